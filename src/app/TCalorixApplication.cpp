#include "TCalorixApplication.h"

#include <QMessageBox>

#include <exception>

TCalorixApplication::TCalorixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Calorix"));
    setOrganizationName(QStringLiteral("Calorix"));
    setApplicationVersion(QStringLiteral("5.0"));
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

void TCalorixApplication::ShowException(const QString& message)
{
    QMessageBox::critical(nullptr, applicationName(), message);
}
