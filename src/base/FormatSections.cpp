#include "base/FormatSections.h"

qsizetype NextSectionBreak(const QString& format, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < format.size(); ++i) {
        const QChar c = format[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            return i;
        }
    }
    return -1;
}
