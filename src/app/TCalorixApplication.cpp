#include "TCalorixApplication.h"

#include "grid/XLEventGuard.h"

#include <QMessageBox>

#include <exception>
#include <set>

TCalorixApplication::TCalorixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Calorix"));
    setOrganizationName(QStringLiteral("Calorix"));
    setApplicationVersion(QStringLiteral("5.0"));
    InstallGridReport();
}

bool TCalorixApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown error"));
    }
    return false;
}

std::function<void(const QString&)>& TCalorixApplication::ReportSink()
{
    static std::function<void(const QString&)> sink = [](const QString& message) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), message);
    };
    return sink;
}

void TCalorixApplication::ShowException(const QString& message)
{
    ReportSink()(message);
}

void TCalorixApplication::InstallGridReport()
{
    XLSetExceptionReport(&ReportGridException);
}

void TCalorixApplication::ReportGridException(const std::string& message)
{
    static std::set<std::string> reported;
    if (!reported.insert(message).second || !QCoreApplication::instance())
        return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [text = QString::fromStdString(message)] { ShowException(text); },
        Qt::QueuedConnection);
}
