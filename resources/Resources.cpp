#include "resources/Resources.h"

#include <QBitmap>
#include <QImage>

#include <array>

namespace {

// '#' black, '.' white, ' ' transparent.
constexpr std::array<const char *, 32> kHand = {
    "                                ", "                                ", "            ##                  ",
    "           #..#                 ", "           #..#                 ", "           #..#                 ",
    "           #..#                 ", "           #..###               ", "           #..#..###            ",
    "           #..#..#..##          ", "           #..#..#..#.#         ", "        ## #........#..#        ",
    "       #..##...........#        ", "       #...#...........#        ", "        #..............#        ",
    "         #.............#        ", "         #............#         ", "          #...........#         ",
    "          #..........#          ", "           #.........#          ", "           #.........#          ",
    "           ###########          ", "                                ", "                                ",
    "                                ", "                                ", "                                ",
    "                                ", "                                ", "                                ",
    "                                ", "                                ",
};

constexpr int kHotX = 13;
constexpr int kHotY = 4;

QBitmap Plane(char ink)
{
    QImage image(32, 32, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = kHand[y][x];
            if (c == ink || (ink == '*' && c != ' '))
                image.setPixel(x, y, 1);
        }
    return QBitmap::fromImage(image);
}

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/fichoscope/fichoscope-%1.png").arg(size), QSize(size, size));
    return icon;
}

QCursor HandCursor()
{
    return QCursor(Plane('#'), Plane('*'), kHotX, kHotY);
}

QPixmap DeletePicture()
{
    return QPixmap(QStringLiteral(":/fichoscope/delete.png"));
}

QPixmap AboutLogo()
{
    return QPixmap(QStringLiteral(":/fichoscope/logo.png"));
}
