// The editor as the user drives it: its messages, a card from new to saved,
// opened, reset and saved again, the field checks, the actors list and the
// poster.
#include "app/Startup.h"
#include "app/Twips.h"
#include "editor/ActorsList.h"
#include "editor/PosterGeometry.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using EditorAction = std::function<void(frmMain &, ScriptedDesktop &)>;
Q_DECLARE_METATYPE(EditorAction)

namespace {

// The title bar and which of Save, Save As and Reset are enabled.
QString State(const frmMain &e)
{
    return e.windowTitle() + (e.mnuFileSave->isEnabled() ? " S" : "") + (e.mnuFileSaveAs->isEnabled() ? " A" : "")
           + (e.mnuPopReset->isEnabled() ? " R" : "");
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedDesktop> m_user;
    QPointer<frmMain> m_e; // as start-up shows it, for each test
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { SetTwipsDpi(96); } // 15 twips a pixel

    void init()
    {
        m_user = std::make_unique<ScriptedDesktop>();
        Main(QString());
        m_e = qobject_cast<frmMain *>(ShownWindow("frmMain"));
        QVERIFY(m_e);
    }

    void cleanup()
    {
        m_user->answers = {Answer::No}; // to the question on closing a modified card
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_e);
        m_user.reset();
        QCOMPARE(WorkFoldersLeft(), QStringList());
    }

    void messages_data()
    {
        QTest::addColumn<EditorAction>("action");
        QTest::addColumn<MessageRequest>("message");
        QTest::addColumn<bool>("endsTheProgram");
        const auto ok = [](const char *text, MessageIcon icon) { return MessageRequest{text, MessageButtons::Ok, icon}; };
        const auto question = [](const char *text, MessageIcon icon) {
            return MessageRequest{text, MessageButtons::YesNoCancel, icon, Answer::Yes};
        };
        const QString dir = m_dir.path();
        QTest::newRow("save without title") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.Save(); })
                                            << ok("Vous devez entrer le titre du film", MessageIcon::None) << false;
        QTest::newRow("new, card modified") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtType->setText("x"), e.New(); })
                                            << question("Voulez-vous enregistrer la fiche avant de quitter ?", MessageIcon::Question) << false;
        QTest::newRow("open, card modified") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtType->setText("x"), e.Open(); })
                                             << question("Voulez-vous enregistrer la fiche actuelle ?", MessageIcon::Question) << false;
        QTest::newRow("close, card modified") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtType->setText("x"), e.close(); })
                                              << question("Enregistrer les modifications apportées à \"Nouveau\" ?", MessageIcon::Warning)
                                              << false;
        QTest::newRow("no picture") << EditorAction([dir](frmMain &e, ScriptedDesktop &) { e.TakePoster(WriteBytes(dir + "/t.jpg", "t")); })
                                    << ok("Image incorrecte", MessageIcon::Critical) << false;
        QTest::newRow("year") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtAnnee->setText("a"); })
                              << ok("Format invalide.\rL'année doit se composer de 4 chiffres", MessageIcon::Information) << false;
        // "chiffes" is the hours message's own wording.
        QTest::newRow("hours") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtDuree1->setText("a"); })
                               << ok("Format invalide.\rLa durée doit se composer d'un chiffre pour l'heure\ret de deux chiffes pour les minutes",
                                     MessageIcon::Information) << false;
        QTest::newRow("minutes") << EditorAction([](frmMain &e, ScriptedDesktop &) { e.txtDuree2->setText("a"); })
                                 << ok("Format invalide.\rLa durée doit se composer d'un chiffre pour l'heure\ret de deux chiffres pour les minutes",
                                       MessageIcon::Information) << false;
        QTest::newRow("open a missing card") << EditorAction([dir](frmMain &e, ScriptedDesktop &u) { u.files = {dir + "/none.fsc"}, e.Open(); })
                                             << ok("Fichier introuvable", MessageIcon::Critical) << true;
        QTest::newRow("open a foreign file") << EditorAction([dir](frmMain &e, ScriptedDesktop &u) { u.files = {WriteBytes(dir + "/g.fsc", "GIF89a")}, e.Open(); })
                                             << ok("Fichier incorrect", MessageIcon::Critical) << true;
        QTest::newRow("open an unreadable card") << EditorAction([](frmMain &e, ScriptedDesktop &u) { u.files = {"/proc/self/mem"}, e.Open(); })
                                                 << ok("Impossible de lire le fichier « /proc/self/mem » : Input/output error", MessageIcon::Critical)
                                                 << false;
        QTest::newRow("save where no folder is") << EditorAction([dir](frmMain &e, ScriptedDesktop &u) { e.txtTitre->setText("T"), u.files = {dir + "/no/T.fsc"}, e.Save(); })
                                                 << ok(qPrintable("Impossible d'écrire le fichier « " + dir + "/no/T.fsc » : No such file or directory"), MessageIcon::Critical)
                                                 << false;
    }

    void messages()
    {
        QFETCH(EditorAction, action);
        QFETCH(MessageRequest, message);
        QFETCH(bool, endsTheProgram);
        m_user->answers = {Answer::Cancel};
        action(*m_e, *m_user);
        QCOMPARE(m_user->messages, QList<MessageRequest>{message});
        QCOMPARE(m_user->ended, endsTheProgram ? QList<int>{1} : QList<int>());
        QVERIFY(m_e->isVisible());
    }
    // Saved new, then only its text part while its poster is unchanged, then
    // whole again; opened, its poster removed and put back; written whole
    // when its file has gone. A save that fails changes nothing on screen.
    void cardFromNewToSavedAndOpened()
    {
        frmMain &e = *m_e;
        const QByteArray poster = Picture({30, 45});
        const QString shelf = path("shelf"), card = path("shelf/Casablanca.fsc"), copy = path("Copie.fsc");
        QVERIFY(QDir().mkpath(shelf));
        QCOMPARE(State(e), "Fichoscope [Nouveau]");
        QTest::keyClicks(e.txtTitre, "Casablanca");
        QCOMPARE(State(e), "Fichoscope [Nouveau*] S");
        m_user->files = {card};
        QVERIFY(e.Save());
        QCOMPARE(m_user->dialogs.last().initialName, "Casablanca.fsc");
        QCOMPARE(ReadBytes(card), CardBytes({.titre = "Casablanca"}));
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc] R");

        e.txtType->setText("Drame");
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        QVERIFY(e.TakePoster(WriteBytes(path("p.jpg"), poster)));
        QVERIFY(e.Save());
        QCOMPARE(ReadBytes(card), CardBytes({.titre = "Casablanca", .type = "Drame"}, poster));
        WriteBytes(path("p.jpg"), "changed since"); // a header rewrite keeps the card's own poster
        e.txtRealisateur->setText("Curtiz");
        QVERIFY(e.Save());
        const QByteArray saved = CardBytes({.titre = "Casablanca", .type = "Drame", .realisateur = "Curtiz"}, poster);
        QCOMPARE(ReadBytes(card), saved);
        e.txtAnnee->setText("1942");
        m_user->files = {copy};
        e.SaveAs();
        QCOMPARE(m_user->dialogs.last().initialName, card);
        QCOMPARE(ReadBytes(copy), CardBytes({"Casablanca", "1942", {}, {}, "Drame", "Curtiz"}, poster));
        QCOMPARE(ReadBytes(card), saved);
        QCOMPARE(State(e), "Fichoscope [Copie.fsc] R");

        m_user->files = {card};
        e.Open();
        QCOMPARE(e.txtAnnee->text(), "");
        QCOMPARE(WorkFoldersLeft().size(), 1); // the reset copy of the poster
        e.Preview();
        QWidget *previewed = ShownWindow("frmInfos");
        QVERIFY(previewed);
        QCOMPARE(previewed->findChild<QLabel *>("lblTitre")->text(), "Casablanca");
        previewed->close();
        e.RemovePoster();
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        QVERIFY(QFile::remove(card));
        e.mnuPopReset->trigger();
        QVERIFY(e.imgAffiche->isVisible());
        e.txtType->setText("Culte");
        QVERIFY(e.Save());
        QCOMPARE(ReadBytes(card), CardBytes({.titre = "Casablanca", .type = "Culte", .realisateur = "Curtiz"}, poster));

        QVERIFY(QDir(shelf).removeRecursively());
        e.txtType->setText("Film noir");
        m_user->answers = {Answer::Yes}; // to save it, on closing: the save fails, the window stays
        QVERIFY(!e.close());
        QCOMPARE(m_user->messages.last().icon, MessageIcon::Critical);
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        m_user->answers = {Answer::No};
        e.New();
        QCOMPARE(State(e), "Fichoscope [Nouveau]");
    }

    // Read back, trailing blanks go and the minutes take two digits.
    void typedFieldsAreStoredAndReadBack()
    {
        frmMain &e = *m_e;
        for (auto [box, typed] : {std::pair{e.txtTitre, " Casablanca "}, {e.txtAnnee, "1942"}, {e.txtDuree1, "7"},
                                  {e.txtDuree2, "5"}, {e.txtType, "Drame"}, {e.txtRealisateur, "Curtiz"}})
            QTest::keyClicks(box, typed);
        for (const char *actor : {"Bogart", "Bergman"}) {
            QTest::keyClicks(e.cboActeurs, actor);
            QTest::keyClick(e.cboActeurs, Qt::Key_Return);
        }
        e.txtResume->setPlainText("Rick\nIlsa");
        m_user->files = {path("typed.fsc")};
        QVERIFY(e.Save());
        QCOMPARE(ReadBytes(path("typed.fsc")),
                 CardBytes({" Casablanca ", "1942", " 7", "5", "Drame", "Curtiz", "Bogart|Bergman|", "Rick\r\nIlsa"}));
        e.New();
        m_user->files = {path("typed.fsc")};
        e.Open();
        const QStringList shown{e.txtTitre->text(), e.txtAnnee->text(), e.txtDuree1->text(), e.txtDuree2->text(),
                                e.txtType->text(), e.txtRealisateur->text(), e.actors->Names().join('|'), e.txtResume->toPlainText()};
        QCOMPARE(shown, QStringList({" Casablanca", "1942", "7", "05", "Drame", "Curtiz", "Bogart|Bergman", "Rick\nIlsa"}));
        QCOMPARE(State(e), "Fichoscope [typed.fsc] R");
    }

    // A text that is no number loses its last character, with a message each
    // time, until it is one.
    void numbersOnly_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letter after digits") << "txtAnnee" << "199a" << "199";
        QTest::newRow("letter inside") << "txtAnnee" << "1x95" << "1";
        QTest::newRow("inf") << "txtAnnee" << "inf" << "";
        QTest::newRow("signed") << "txtAnnee" << "-123" << "-123";
        QTest::newRow("blanks around") << "txtAnnee" << " 12 " << " 12 ";
        QTest::newRow("lone sign") << "txtDuree2" << "-" << "";
        QTest::newRow("minutes past 59") << "txtDuree2" << "99" << "99";
    }

    void numbersOnly()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        m_e->findChild<QLineEdit *>(box)->setText(text);
        QCOMPARE(m_e->findChild<QLineEdit *>(box)->text(), kept);
        QCOMPARE(m_user->messages.size(), text.size() - kept.size());
        QVERIFY(m_e->blnModified);
    }

    // Stored, a line break takes two of the summary's 500 characters.
    void summaryCountsLineBreaksTwice()
    {
        SummaryBox *summary = m_e->txtResume;
        QTest::keyClicks(summary, QString(497, u'a'));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Return, Qt::Key_B, Qt::Key_C})
            QTest::keyClick(summary, key);
        QCOMPARE(summary->toPlainText(), QString(497, u'a') + "\nb");
        summary->setPlainText(QString(495, u'a'));
        summary->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText("1\r\n2\r\n3");
        summary->paste();
        QCOMPARE(summary->toPlainText(), QString(495, u'a') + "1\n2");
    }

    void actorsList()
    {
        QComboBox *box = m_e->cboActeurs;
        const auto enter = [box](const QString &typed) {
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        };
        const auto choose = [box](int index) { box->setCurrentIndex(index), emit box->activated(index); };
        enter("An|ne"); // "|" ends each name in the card
        enter(QString(60, u'x'));
        enter("Carl");
        QCOMPARE(m_e->actors->Names(), QStringList({"Anne", QString(50, u'x'), "Carl"}));
        choose(1);
        box->lineEdit()->clear();
        enter("Bea");
        choose(0);
        m_e->cmdActSupp->click();
        QCOMPARE(m_e->actors->Names(), QStringList({"Bea", "Carl"}));
        QVERIFY(!m_e->cmdActSupp->isEnabled());
        for (const char *name : {"3", "4", "5", "6", "7", "8", "9", "10", "11"})
            enter(name);
        QCOMPARE(m_e->actors->Names().size(), 10);
        choose(9); // a full list lets its names be edited, never an eleventh be added
        QTest::keyClick(box, Qt::Key_Escape);
        enter("11");
        QCOMPARE(m_e->actors->Names().last(), "10");
        QCOMPARE(m_e->actors->Names().size(), 10);
    }

    void posterSizesTheWindow_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QRect>("shown");
        QTest::addColumn<int>("outerHeight");
        // 3000 x 4440 twips shown 1935 wide: 2863.8 high, at 4200, 960; 960 + 2864 + 855 = 4679.
        QTest::newRow("portrait") << QSize(200, 296) << QRect(280, 64, 129, 191) << 312;
        // 6000 x 9000 twips: 2902.5, made 2902, the even neighbour; 960 + 2902 + 855 = 4717.
        QTest::newRow("half to even") << QSize(400, 600) << QRect(280, 64, 129, 193) << 314;
        // 967.5 high: the summary's bottom (2160 + 1455) is lower; 3615 + 855 = 4470.
        QTest::newRow("landscape") << QSize(200, 100) << QRect(280, 64, 129, 65) << 298;
        QTest::newRow("none") << QSize() << QRect(280, 64, 129, 0) << 298;
    }

    void posterSizesTheWindow()
    {
        QFETCH(QSize, pixels);
        QFETCH(QRect, shown);
        QFETCH(int, outerHeight);
        QVERIFY(m_e->Pic2Img(pixels.isValid() ? WriteBytes(path("p.jpg"), Picture(pixels)) : QString()));
        QCOMPARE(m_e->imgAffiche->geometry(), shown);
        QCOMPARE(m_e->imgAffiche->isVisible(), pixels.isValid());
        QCoreApplication::sendPostedEvents(); // the window follows its new layout
        QCOMPARE(m_e->frameGeometry().height(), outerHeight);
        // 960 + 30952 + 855 = 32767 is the last height that fits 16 bits.
        QCOMPARE(EditorOuterHeight(30952), 32767);
        QCOMPARE(EditorOuterHeight(30953), std::nullopt);
    }

    void hostilePictures_data() { AddHostilePictureRows(); }

    void hostilePictures()
    {
        QFETCH(QByteArray, picture);
        QFETCH(bool, shown);
        QCOMPARE(m_e->TakePoster(WriteBytes(path("hostile.jpg"), picture)), shown);
        QCOMPARE(m_e->imgAffiche->isVisible(), shown);
        QCOMPARE(State(*m_e), shown ? "Fichoscope [Nouveau*] S" : "Fichoscope [Nouveau]");
    }

    // A picture is taken on the poster's column, a card anywhere.
    void fileDrops_data()
    {
        QTest::addColumn<QString>("onto");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("picture on the poster's frame") << "fraAffiche" << "p.jpg" << "Fichoscope [Nouveau*]";
        QTest::newRow("picture on a text box") << "txtType" << "p.jpg" << "Fichoscope [Nouveau]";
        QTest::newRow("card on a text box") << "txtRealisateur" << "c.fsc" << "Fichoscope [c.fsc]";
    }

    void fileDrops()
    {
        QFETCH(QString, onto);
        QFETCH(QString, file);
        QFETCH(QString, title);
        WriteBytes(path("p.jpg"), Picture({10, 10}));
        WriteBytes(path("c.fsc"), CardBytes({.titre = "Alien"}));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path(file))});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_e->findChild<QWidget *>(onto), &enter);
        QApplication::sendEvent(m_e->findChild<QWidget *>(onto), &drop);
        QCOMPARE(m_e->windowTitle(), title);
    }

    // Left: the poster at its natural size; right: the poster menu.
    void posterClicks()
    {
        QVERIFY(m_e->Pic2Img(WriteBytes(path("c.jpg"), Picture({100, 150}))));
        QSize full;
        QAction *boldItem = nullptr;
        WhenModal([&](QWidget *window) { full = window->findChild<QLabel *>("picViewLarger")->pixmap().size(); });
        QTest::mouseClick(m_e->imgAffiche, Qt::LeftButton);
        WhenModal([&](QWidget *menu) { boldItem = static_cast<QMenu *>(menu)->defaultAction(); });
        QTest::mouseClick(m_e->imgAffiche, Qt::RightButton);
        QCOMPARE(full, QSize(100, 150));
        QCOMPARE(boldItem, m_e->mnuPopFull);
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
