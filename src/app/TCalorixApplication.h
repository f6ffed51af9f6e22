// The application object: a QApplication that reports any exception
// escaping an event handler in a message box and carries on, so that no
// failure of a calculation or a file ends the program.
#pragma once

#include <QApplication>

class TCalorixApplication : public QApplication {
public:
    TCalorixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the standard report of an exception.
    static void ShowException(const QString& message);
};
