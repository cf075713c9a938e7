#include "editor/frmMain.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QAction *Item(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *Separator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu *BarMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void frmMain::createMenus()
{
    QMenuBar *bar = menuBar();

    mnuFile = BarMenu(bar, "mnuFile", QStringLiteral("&Fichier"));
    mnuFileNew = Item(mnuFile, "mnuFileNew", QStringLiteral("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = Item(mnuFile, "mnuFileOpen", QStringLiteral("&Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = Item(mnuFile, "mnuFileSave", QStringLiteral("&Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = Item(mnuFile, "mnuFileSaveAs", QStringLiteral("Enregistrer so&us..."));
    mnuFileSep1 = Separator(mnuFile, "mnuFileSep1");
    mnuFilePrev = Item(mnuFile, "mnuFilePrev", QStringLiteral("&Prévisualiser"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileOnline =
        Item(mnuFile, "mnuFileOnline", QStringLiteral("Rechercher en &ligne..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuFilePrint = Item(mnuFile, "mnuFilePrint", QStringLiteral("&Imprimer..."));
    mnuFilePdf = Item(mnuFile, "mnuFilePdf", QStringLiteral("Exporter en P&DF..."));
    mnuFileCatalogue =
        Item(mnuFile, "mnuFileCatalogue", QStringLiteral("&Catalogue..."), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuFileSep2 = Separator(mnuFile, "mnuFileSep2");
    mnuFileExit = Item(mnuFile, "mnuFileExit", QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuPopAffi = BarMenu(bar, "mnuPopAffi", QStringLiteral("Affiche"));
    mnuPopFull = Item(mnuPopAffi, "mnuPopFull", QStringLiteral("Afficher en grand"));
    mnuSep3 = Separator(mnuPopAffi, "mnuSep3");
    mnuPopModif = Item(mnuPopAffi, "mnuPopModif", QStringLiteral("Modifier"));
    mnuPopRem = Item(mnuPopAffi, "mnuPopRem", QStringLiteral("Supprimer"));
    mnuPopReset = Item(mnuPopAffi, "mnuPopReset", QStringLiteral("Reset"));
    mnuPopReset->setEnabled(false);

    // A command of its own on the menu bar, without a submenu.
    mnuAbout = bar->addAction(QStringLiteral("À propos de..."));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}
