#include "sheet/TXLStrings.h"

QString TXLStrings::GetText() const
{
    QString text;
    for (const QString& item : Items)
        text += item + QStringLiteral("\r\n");
    return text;
}

void TXLStrings::SetText(const QString& text)
{
    Items.clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        Items.append(text.mid(start, end - start));
        if (end < n && text[end] == u'\r')
            ++end;
        if (end < n && text[end] == u'\n')
            ++end;
        start = end;
    }
}
