#include "grid/XLEventGuard.h"

#include <QtGlobal>

#include <utility>

namespace {
TXLExceptionReport& Report()
{
    static TXLExceptionReport report;
    return report;
}
}  // namespace

void XLSetExceptionReport(TXLExceptionReport report)
{
    Report() = std::move(report);
}

void XLReportException(const std::string& message)
{
    // A report that fails itself is dropped: it runs inside a catch block of
    // an event handler, where nothing may escape.
    try {
        if (Report())
            Report()(message);
        else
            qWarning("%s", message.c_str());
    } catch (...) {
    }
}
