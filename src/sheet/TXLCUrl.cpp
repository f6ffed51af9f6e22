#include "sheet/TXLCUrl.h"

#include <QDesktopServices>

std::function<void(const QUrl&)> TXLCUrl::OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

const TXLCellClass* TXLCUrl::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCUrl"), &XLMakeCell<TXLCUrl>, TXLCString::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCUrl::ClassType() const
{
    return StaticClass();
}

QString TXLCUrl::GetTarget()
{
    const QString target = GetEditFormat();
    return target.isEmpty() ? GetString() : target;
}

void TXLCUrl::DblClick()
{
    // A web address, a mail link or a file path, as the desktop would take it.
    if (OpenUrl)
        OpenUrl(QUrl::fromUserInput(GetTarget()));
}
