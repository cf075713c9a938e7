// The floor of the catalogue's start: a bare Qt program that shows a main
// window holding an empty six-column table, a search field, three menus and
// a status line, with Qt's French translations as the program loads them.
// Prints "painted" at its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QTranslator>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator french;
    if (french.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&french);
    QMainWindow window;
    for (const char *menu : {"&Fichier", "&Trier", "&Affichage"})
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("&Fermer"));
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLineEdit);
    QStandardItemModel empty(0, 6);
    empty.setHorizontalHeaderLabels({"Affiche", "Titre", "Année", "Durée", "Type", "Réalisateur"});
    auto *table = new QTableView;
    table->setModel(&empty);
    table->setSortingEnabled(true);
    layout->addWidget(table);
    window.setCentralWidget(central);
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("0 fiche sur 0")));
    window.resize(900, 600);
    window.show();
    WaitForFirstPaint();
    std::printf("painted\n");
    return 0;
}
