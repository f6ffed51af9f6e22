// TXLCUrl: the link cell. It holds text exactly like the text cell; a double
// click opens its target with the desktop's default action: the edit format
// when the cell has one, else its text. The target is handed over unchecked
// (the desktop reports its own failures). Opening goes through OpenUrl, a
// process-wide hook that defaults to QDesktopServices::openUrl and that
// tests replace.
#pragma once

#include "sheet/TXLCString.h"

#include <QUrl>

#include <functional>

class TXLCUrl : public TXLCString {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    void DblClick() override;

    // The link the cell opens: the edit format, else the text.
    QString GetTarget();

    // How a target is opened.
    static std::function<void(const QUrl&)> OpenUrl;
};
