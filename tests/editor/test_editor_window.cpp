#include "EditorTesting.h"

#include "app/Twips.h"
#include "support/ScriptedDesktop.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

// The editor as it is created and shown for a new card: layout, menus, tab
// order and the title bar and Save items as the card changes.
class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetTwipsDpi(96); } // 15 twips a pixel

    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void fittingLabelsStartAtTheirCorners_data();
    void fittingLabelsStartAtTheirCorners();
    void windowIsFixedWithMinimizeOnly();
    void fontsAreSansSerifWithABoldUnderlinedTitle();
    void startsAsANewUnmodifiedCard();
    void menusHaveTheirCaptionsAndShortcuts_data();
    void menusHaveTheirCaptionsAndShortcuts();
    void menuBarHoldsThreeEntries();
    void shortcutsWorkWithTheMenuClosed();
    void tabWalksTheFieldsInOrder();
    void typingIntoANewCardMarksItModified();
    void typingIntoAFiledCardEnablesSaveAs();
    void changeEditRebuildsTheTitle();
};

void TestEditorWindow::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("txtTitre") << "txtTitre" << QRect(72, 8, 193, 32);
    QTest::newRow("lblTitre") << "lblTitre" << QRect(8, 11, 57, 25);
    QTest::newRow("txtAnnee") << "txtAnnee" << QRect(88, 43, 33, 19);
    QTest::newRow("txtDuree1") << "txtDuree1" << QRect(216, 43, 17, 19);
    QTest::newRow("txtDuree2") << "txtDuree2" << QRect(240, 43, 25, 19);
    QTest::newRow("txtType") << "txtType" << QRect(72, 67, 193, 19);
    QTest::newRow("txtRealisateur") << "txtRealisateur" << QRect(72, 91, 193, 19);
    QTest::newRow("cboActeurs") << "cboActeurs" << QRect(72, 115, 161, 21);
    QTest::newRow("cmdActSupp") << "cmdActSupp" << QRect(240, 115, 25, 21);
    QTest::newRow("txtResume") << "txtResume" << QRect(72, 144, 193, 97);
    QTest::newRow("fraAffiche") << "fraAffiche" << QRect(272, 0, 145, 57);
    QTest::newRow("cmdAffiMod in the frame") << "cmdAffiMod" << QRect(8, 16, 57, 33);
    QTest::newRow("cmdAffiSupp in the frame") << "cmdAffiSupp" << QRect(80, 16, 57, 33);
    QTest::newRow("imgAffiche") << "imgAffiche" << QRect(280, 64, 129, 137);
    QTest::newRow("picAffiche") << "picAffiche" << QRect(8, 160, 41, 17);
}

void TestEditorWindow::controlsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    frmMain editor;
    auto *control = editor.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void TestEditorWindow::fittingLabelsStartAtTheirCorners_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("lblAnnee") << "lblAnnee" << "Année (aaaa) :" << QPoint(8, 45);
    QTest::newRow("lblDuree1") << "lblDuree1" << "Durée (h:mm) :" << QPoint(144, 45);
    QTest::newRow("lblDuree2") << "lblDuree2" << ":" << QPoint(235, 45);
    QTest::newRow("lblType") << "lblType" << "Type : " << QPoint(8, 70);
    QTest::newRow("lblRealisateur") << "lblRealisateur" << "Réalisateur :" << QPoint(8, 94);
    QTest::newRow("lblActeurs") << "lblActeurs" << "Acteurs :" << QPoint(8, 117);
    QTest::newRow("lblResume") << "lblResume" << "Résumé :" << QPoint(8, 144);
}

void TestEditorWindow::fittingLabelsStartAtTheirCorners()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, corner);
    frmMain editor;
    auto *label = editor.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->pos(), corner);
    QCOMPARE(label->size(), label->sizeHint());
}

void TestEditorWindow::windowIsFixedWithMinimizeOnly()
{
    const auto editor = ShowNewEditor();
    // 6300 x 3735 twips of client area under the menu bar.
    QCOMPARE(editor->centralWidget()->size(), QSize(420, 249));
    QCOMPARE(editor->centralWidget()->y(), editor->menuBar()->height());
    QCOMPARE(editor->height(), 249 + editor->menuBar()->height());
    QCOMPARE(editor->minimumSize(), editor->maximumSize());
    QVERIFY(editor->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(editor->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!editor->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!editor->windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Centred before the frame is known: within the frame's few pixels.
    const QPoint offCentre = editor->frameGeometry().center() - screen.center();
    QVERIFY2(offCentre.manhattanLength() <= 8, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestEditorWindow::fontsAreSansSerifWithABoldUnderlinedTitle()
{
    frmMain editor;
    for (const char *name : {"lblTitre", "txtTitre"}) {
        const QFont font = editor.findChild<QWidget *>(name)->font();
        QCOMPARE(font.pointSizeF(), 13.5);
        QVERIFY(font.bold());
        QVERIFY(font.underline());
        QCOMPARE(font.styleHint(), QFont::SansSerif);
    }
    const QFont plain = editor.findChild<QWidget *>("txtType")->font();
    QCOMPARE(plain.pointSizeF(), 8.25);
    QVERIFY(!plain.bold());
    QVERIFY(!plain.underline());
    QCOMPARE(editor.findChild<QWidget *>("lblResume")->font(), plain);
}

void TestEditorWindow::startsAsANewUnmodifiedCard()
{
    const auto editor = ShowNewEditor();
    QCOMPARE(editor->windowTitle(), "Fichoscope [Nouveau]");
    QVERIFY(!editor->mnuFileSave->isEnabled());
    QVERIFY(!editor->mnuFileSaveAs->isEnabled());
    QVERIFY(!editor->cmdActSupp->isEnabled());
    QCOMPARE(editor->cboActeurs->property("Tag").toString(), "UnLocked");
    QCOMPARE(editor->imgAffiche->property("Tag").toString(), "False");
    QVERIFY(!editor->imgAffiche->isVisible());
    QVERIFY(!editor->picAffiche->isVisible());
    QCOMPARE(editor->cmdActSupp->icon().actualSize(QSize(64, 64)), QSize(21, 17));
    QCOMPARE(editor->fraAffiche->title(), "Affiche");
    QCOMPARE(editor->cmdAffiMod->text(), "&Modifier");
    QCOMPARE(editor->cmdAffiSupp->text(), "&Supprimer");
    QVERIFY(editor->txtResume->verticalScrollBar()->isVisible());
    QCOMPARE(QApplication::focusWidget(), editor->txtTitre);
}

void TestEditorWindow::menusHaveTheirCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("mnuFileNew") << "mnuFileNew" << "&Nouveau" << "Ctrl+N";
    QTest::newRow("mnuFileOpen") << "mnuFileOpen" << "&Ouvrir" << "Ctrl+O";
    QTest::newRow("mnuFileSave") << "mnuFileSave" << "&Enregistrer" << "Ctrl+S";
    QTest::newRow("mnuFileSaveAs") << "mnuFileSaveAs" << "Enregistrer so&us..." << "";
    QTest::newRow("mnuFilePrev") << "mnuFilePrev" << "&Prévisualiser" << "Ctrl+P";
    QTest::newRow("mnuFileExit") << "mnuFileExit" << "&Quitter" << "Ctrl+Q";
    QTest::newRow("mnuPopFull") << "mnuPopFull" << "Afficher en grand" << "";
    QTest::newRow("mnuPopModif") << "mnuPopModif" << "Modifier" << "";
    QTest::newRow("mnuPopRem") << "mnuPopRem" << "Supprimer" << "";
    QTest::newRow("mnuPopReset") << "mnuPopReset" << "Reset" << "";
    QTest::newRow("mnuAbout") << "mnuAbout" << "À propos de..." << "";
}

void TestEditorWindow::menusHaveTheirCaptionsAndShortcuts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    frmMain editor;
    auto *item = editor.findChild<QAction *>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), shortcut);
    QVERIFY(item->isVisible());
}

void TestEditorWindow::menuBarHoldsThreeEntries()
{
    frmMain editor;
    QStringList bar;
    for (const QAction *entry : editor.menuBar()->actions())
        bar << entry->text();
    QCOMPARE(bar, QStringList({"&Fichier", "Affiche", "À propos de..."}));
    QVERIFY(!editor.mnuAbout->menu());

    QStringList file;
    for (const QAction *item : editor.mnuFile->actions())
        file << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(file, QStringList({"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "-", "mnuFilePrev",
                                "mnuFileCatalogue",
                                "-", "mnuFileExit"}));
    QStringList poster;
    for (const QAction *item : editor.mnuPopAffi->actions())
        poster << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(poster, QStringList({"mnuPopFull", "-", "mnuPopModif", "mnuPopRem", "mnuPopReset"}));
}

void TestEditorWindow::shortcutsWorkWithTheMenuClosed()
{
    ScriptedDesktop user;
    const auto editor = ShowNewEditor();
    QSignalSpy opened(editor->mnuFileOpen, &QAction::triggered);
    QSignalSpy previewed(editor->mnuFilePrev, &QAction::triggered);
    QTest::keyClick(editor->txtTitre, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(editor->txtType, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(previewed.count(), 1);
    QCOMPARE(user.fileDialogs.size(), 1); // Open, cancelled
    QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Vous devez entrer le titre du film")}));
    QVERIFY(editor->txtTitre->text().isEmpty());
}

void TestEditorWindow::tabWalksTheFieldsInOrder()
{
    const auto editor = ShowNewEditor();
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // The combo box's edit field stands for the combo box.
        if (qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // cmdActSupp is disabled, so the walk goes round to the title.
    QCOMPARE(visited, QStringList({"txtTitre", "txtAnnee", "txtDuree1", "txtDuree2", "txtType", "txtRealisateur",
                                   "cboActeurs", "txtResume", "cmdAffiMod", "cmdAffiSupp", "txtTitre"}));

    editor->cmdActSupp->setEnabled(true);
    editor->cmdAffiSupp->setFocus();
    QTest::keyClick(editor->cmdAffiSupp, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor->cmdActSupp);
}

void TestEditorWindow::typingIntoANewCardMarksItModified()
{
    const auto editor = ShowNewEditor();
    QTest::keyClick(editor->txtTitre, Qt::Key_C);
    QCOMPARE(editor->windowTitle(), "Fichoscope [Nouveau*]");
    QVERIFY(editor->blnModified);
    QVERIFY(editor->mnuFileSave->isEnabled());
    QVERIFY(!editor->mnuFileSaveAs->isEnabled());
}

void TestEditorWindow::typingIntoAFiledCardEnablesSaveAs()
{
    const auto editor = ShowNewEditor();
    editor->lblFileName = QStringLiteral("film.fsc");
    editor->ChangeEdit(false);
    QCOMPARE(editor->windowTitle(), "Fichoscope [film.fsc]");

    // Each of the free-text boxes marks the card.
    for (QWidget *box : {static_cast<QWidget *>(editor->txtType), static_cast<QWidget *>(editor->txtRealisateur),
                         static_cast<QWidget *>(editor->txtResume)}) {
        editor->ChangeEdit(false);
        QTest::keyClick(box, Qt::Key_X);
        QCOMPARE(editor->windowTitle(), "Fichoscope [film.fsc*]");
        QVERIFY(editor->mnuFileSave->isEnabled());
        QVERIFY(editor->mnuFileSaveAs->isEnabled());
    }

    editor->ChangeEdit(false); // as a successful save does
    QCOMPARE(editor->windowTitle(), "Fichoscope [film.fsc]");
    QVERIFY(!editor->blnModified);
    QVERIFY(!editor->mnuFileSave->isEnabled());
    QVERIFY(!editor->mnuFileSaveAs->isEnabled());
}

void TestEditorWindow::changeEditRebuildsTheTitle()
{
    frmMain editor;
    editor.ChangeEdit(true);
    editor.ChangeEdit(true);
    QCOMPARE(editor.windowTitle(), "Fichoscope [Nouveau*]");
    editor.ChangeEdit();
    editor.ChangeEdit();
    QCOMPARE(editor.windowTitle(), "Fichoscope [Nouveau]");
    // Save As keeps its state when a new card is modified again.
    editor.mnuFileSaveAs->setEnabled(true);
    editor.ChangeEdit(true);
    QVERIFY(editor.mnuFileSaveAs->isEnabled());
}

QTEST_MAIN(TestEditorWindow)
#include "test_editor_window.moc"
