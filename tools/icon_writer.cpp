// Writes the program's icon, as the window draws it, into a PNG file for the desktop entry.
#include "ui/shell/frame_artwork.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: xiangce-icon SIZE OUT.png\n");
        return 2;
    }
    const QPixmap icon = xc::ui::applicationIcon(std::atoi(argv[1]));
    return icon.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
