#include "support/QtWidgetsTestEnvironment.h"

#include "TCalorixApplication.h"
#include "base/ERAVazoError.h"
#include "grid/XLEventGuard.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(TCalorixApplication, GridHandlerExceptionsReachTheReportOnceAfterTheEvent)
{
    QStringList shown;
    const auto oldSink = TCalorixApplication::ReportSink();
    TCalorixApplication::ReportSink() = [&shown](const QString& message) { shown << message; };
    TCalorixApplication::InstallGridReport();

    // A handler failing at every repaint, and another one once.
    for (int paint = 0; paint < 3; ++paint)
        XLGuardEvent([] { throw ERAVazoError("Cell painting failed!"); });
    XLGuardEvent([] { throw ERAVazoError("Wheel failed!"); });
    EXPECT_TRUE(shown.isEmpty());  // not inside the handler
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Cell painting failed!"), QStringLiteral("Wheel failed!")}));

    XLSetExceptionReport(nullptr);
    TCalorixApplication::ReportSink() = oldSink;
}

} // namespace
