// The application object: a QApplication that reports any exception
// escaping an event handler in a message box and carries on, so that no
// failure of a calculation or a file ends the program. The grid catches the
// exceptions of its own handlers itself; they come to the same report.
#pragma once

#include <QApplication>

#include <functional>
#include <string>

class TCalorixApplication : public QApplication {
public:
    TCalorixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the standard report of an exception.
    static void ShowException(const QString& message);
    // Sends the exceptions the grid's event handlers catch to
    // ReportGridException.
    static void InstallGridReport();
    // Reports an exception caught inside one of the grid's handlers: after
    // the event (a message box inside a paint event would paint again), and
    // once per message (a handler that fails while painting fails again at
    // every repaint).
    static void ReportGridException(const std::string& message);
    // Where reports go: a message box, unless replaced (tests look here).
    static std::function<void(const QString&)>& ReportSink();
};
