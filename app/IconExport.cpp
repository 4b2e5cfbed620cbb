// Build tool: writes the program's icon as PNG files for the desktop's icon
// theme, so the installed icon is the very one the window shows.
//   orvantis-icon-export OUTDIR  ->  OUTDIR/<size>x<size>/apps/orvantis.png

#include "Icons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvantis-icon-export OUTDIR\n");
        return 2;
    }
    const QIcon icon = orvantis::ProgramIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !icon.pixmap(size, size).save(dir + QStringLiteral("/orvantis.png"))) {
            std::fprintf(stderr, "orvantis-icon-export: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
