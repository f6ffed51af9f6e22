// The program: the application object, the main window, the message loop.
#include "TCalorixApplication.h"
#include "TForm1.h"

#include <exception>

int main(int argc, char** argv)
{
    TCalorixApplication app(argc, argv);
    try {
        TForm1 form{TUserStateStore::ForThisProgram()};
        form.show();
        return app.exec();
    } catch (const std::exception& e) {
        // A failure while the window is made is reported; the program then ends.
        TCalorixApplication::ShowException(QString::fromUtf8(e.what()));
    }
    return 0;
}
