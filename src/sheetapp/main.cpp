// calorix-sheet [FILE]: the sheet editor. The application object reports
// any exception escaping an event handler and carries on.
#include "TCalorixApplication.h"
#include "TSheetWindow.h"

#include <QStringList>

#include <exception>

int main(int argc, char** argv)
{
    TCalorixApplication app(argc, argv);
    try {
        TSheetWindow window;
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() > 1)
            window.OpenFile(arguments.at(1));
        window.show();
        return app.exec();
    } catch (const std::exception& e) {
        TCalorixApplication::ShowException(QString::fromUtf8(e.what()));
    }
    return 1;
}
