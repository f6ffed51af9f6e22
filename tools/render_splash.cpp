// Writes the title sheet's splash picture, as drawn by RenderSplashJpeg,
// to the file named on the command line. The picture is stored in the
// sources so that the shipped sheets do not depend on the fonts of the
// machine that builds them.
#include "calc/SplashPicture.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_splash OUTPUT.jpg\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(RenderSplashJpeg()) < 0) {
        std::fprintf(stderr, "render_splash: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
