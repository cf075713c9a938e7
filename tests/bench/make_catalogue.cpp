// Fills a folder with cards for trying the catalogue by hand:
// make_catalogue FOLDER COUNT
#include "CatalogueCards.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_catalogue FOLDER COUNT\n");
        return 1;
    }
    MakeCatalogueCards(QString::fromLocal8Bit(argv[1]), std::atoi(argv[2]));
    return 0;
}
