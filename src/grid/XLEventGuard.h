// The guard around the grid's Qt event handlers: no exception may leave an
// event handler (Qt cannot unwind through its event loop), so each handler
// body runs inside XLGuardEvent, which catches everything and hands it to
// the application's exception report. The report is process-wide and may be
// replaced by the application (the default writes a warning).
#pragma once

#include <exception>
#include <functional>
#include <string>

// Receives the message of an exception that reached an event handler.
using TXLExceptionReport = std::function<void(const std::string& AMessage)>;

void XLSetExceptionReport(TXLExceptionReport report);
void XLReportException(const std::string& message);

template <class F>
void XLGuardEvent(F&& body) noexcept
{
    try {
        body();
    } catch (const std::exception& e) {
        XLReportException(e.what());
    } catch (...) {
        XLReportException("Unknown exception");
    }
}
