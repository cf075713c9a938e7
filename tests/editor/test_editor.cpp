// The editor as the user drives it: its messages, a card from new to saved,
// opened, reset and saved again, the field checks, the actors list and the
// poster.
#include "catalogue/CatalogueWindow.h"
#include "start/OpenCatalogue.h"
#include "start/Startup.h"
#include "platform/Twips.h"
#include "editor/ActorsList.h"
#include "editor/EditorPosterPlace.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/RecordedServer.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using EditorAction = std::function<void(frmMain &, ScriptedDesktop &)>;
struct MessageRow { EditorAction action; MessageRequest message; };
struct NumberRow { QString box, text, kept; };
enum class Input { Typed, Pasted, Composed };
struct LimitRow { QString box; Input how; int length; int kept; QByteArray openedHours{}; };
struct PosterRow { QSize pixels; QRect shown; int outerHeight; };
Q_DECLARE_METATYPE(MessageRow)
Q_DECLARE_METATYPE(NumberRow)
Q_DECLARE_METATYPE(LimitRow)
Q_DECLARE_METATYPE(PosterRow)

namespace {

// The title bar and which of Save, Save As and Reset are enabled.
QString State(const frmMain &e)
{
    return ShownTitle(e) + (Named<QAction>(e, "mnuFileSave")->isEnabled() ? " S" : "") + (Named<QAction>(e, "mnuFileSaveAs")->isEnabled() ? " A" : "")
           + (Named<QAction>(e, "mnuPopReset")->isEnabled() ? " R" : "");
}

// The names in the actors list, read without selecting any.
QStringList Listed(const frmMain &e)
{
    QStringList names;
    for (int i = 0; i < Named<QComboBox>(e, "cboActeurs")->count(); ++i)
        names << Named<QComboBox>(e, "cboActeurs")->itemText(i);
    return names;
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
        QTest::addColumn<MessageRow>("row");
        const auto ok = [](const QString &text, MessageIcon icon) { return MessageRequest{text, MessageButtons::Ok, icon}; };
        const auto ask = [](const QString &text, MessageIcon icon) {
            return MessageRequest{text, MessageButtons::YesNoCancel, icon, Answer::Yes};
        };
        const QString dir = m_dir.path();
        const QString format = "Format invalide.\rLa durée doit se composer d'un chiffre pour l'heure\ret de deux %1 pour les minutes";
        using U = ScriptedDesktop;
        QTest::newRow("save without title") << MessageRow{[](frmMain &e, U &) { e.save(); },
                                                         ok("Vous devez entrer le titre du film", MessageIcon::None)};
        QTest::newRow("new, modified") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtType")->setText("x"); e.newCard(); },
                                                    ask("Voulez-vous enregistrer la fiche avant de quitter ?", MessageIcon::Question)};
        QTest::newRow("open, modified") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtType")->setText("x"); e.open(); },
                                                     ask("Voulez-vous enregistrer la fiche actuelle ?", MessageIcon::Question)};
        QTest::newRow("close, modified") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtType")->setText("x"); e.close(); },
                                                      ask("Enregistrer les modifications apportées à \"Nouveau\" ?", MessageIcon::Warning)};
        QTest::newRow("no picture") << MessageRow{[dir](frmMain &e, U &) { e.takePoster(WriteBytes(dir + "/t.jpg", "t")); },
                                                 ok("Image incorrecte", MessageIcon::Critical)};
        QTest::newRow("year") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtAnnee")->setText("a"); },
                                           ok("Format invalide.\rL'année doit se composer de 4 chiffres", MessageIcon::Information)};
        // "chiffes" is the hours message's own wording.
        QTest::newRow("hours") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtDuree1")->setText("a"); },
                                            ok(format.arg("chiffes"), MessageIcon::Information)};
        QTest::newRow("minutes") << MessageRow{[](frmMain &e, U &) { Named<QLineEdit>(e, "txtDuree2")->setText("a"); },
                                              ok(format.arg("chiffres"), MessageIcon::Information)};
        QTest::newRow("open a missing card") << MessageRow{[dir](frmMain &e, U &u) { u.files = {dir + "/none.fsc"}; e.open(); },
                                                          ok("Fichier introuvable", MessageIcon::Critical)};
        QTest::newRow("open an unreadable card")
            << MessageRow{[](frmMain &e, U &u) { u.files = {"/proc/self/mem"}; e.open(); },
                          ok("Impossible de lire le fichier « /proc/self/mem » : Input/output error", MessageIcon::Critical)};
    }

    void messages()
    {
        QFETCH(MessageRow, row);
        m_user->answers = {Answer::Cancel};
        row.action(*m_e, *m_user);
        QCOMPARE(m_user->messages, QList<MessageRequest>{row.message});
        QVERIFY(m_e->isVisible());
    }

    // Typed and saved new; then only its text part while its poster is
    // unchanged, then whole again; saved as another card; opened, its poster
    // removed and put back, written whole when its file has gone. A save that
    // fails changes nothing on screen, and a window closing stays open.
    void cardFromNewToSavedAndOpened()
    {
        frmMain &e = *m_e;
        const QByteArray poster = Picture({30, 45});
        const QString shelf = path("shelf"), card = path("shelf/Casablanca.fsc");
        QVERIFY(QDir().mkpath(shelf));
        QCOMPARE(State(e), "Fichoscope [Nouveau]");
        for (auto [box, typed] : {std::pair{Named<QLineEdit>(e, "txtTitre"), "Casablanca "}, {Named<QLineEdit>(e, "txtAnnee"), "1942"}, {Named<QLineEdit>(e, "txtDuree1"), "7"},
                                  {Named<QLineEdit>(e, "txtDuree2"), "5"}, {Named<QLineEdit>(e, "txtRealisateur"), "Curtiz"}})
            QTest::keyClicks(box, typed);
        for (const char *actor : {"Bogart", "Bergman"}) {
            QTest::keyClicks(Named<QComboBox>(e, "cboActeurs"), actor);
            QTest::keyClick(Named<QComboBox>(e, "cboActeurs"), Qt::Key_Return);
        }
        Named<SummaryBox>(e, "txtResume")->setPlainText("Rick\nIlsa");
        QCOMPARE(State(e), "Fichoscope [Nouveau*] S");
        m_user->files = {card};
        QVERIFY(e.save());
        QCOMPARE(m_user->dialogs.last().initialName, "Casablanca .fsc");
        CardFields fields{"Casablanca ", "1942", " 7", "5", "", "Curtiz", "Bogart|Bergman|", "Rick\r\nIlsa"};
        QCOMPARE(ReadBytes(card), CardBytes(fields));
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc] R");

        Named<QLineEdit>(e, "txtType")->setText("Drame");
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        QVERIFY(e.takePoster(WriteBytes(path("p.jpg"), poster)));
        QVERIFY(e.save());
        fields.type = "Drame";
        QCOMPARE(ReadBytes(card), CardBytes(fields, poster));
        WriteBytes(path("p.jpg"), "changed since"); // a header rewrite keeps the card's own poster
        Named<QLineEdit>(e, "txtRealisateur")->setText("Michael Curtiz");
        QVERIFY(e.save());
        fields.realisateur = "Michael Curtiz";
        const QByteArray saved = CardBytes(fields, poster);
        QCOMPARE(ReadBytes(card), saved);
        Named<QLineEdit>(e, "txtAnnee")->setText("1943");
        m_user->files = {path("Copie.fsc")};
        e.saveAs();
        QCOMPARE(m_user->dialogs.last().initialName, card);
        fields.annee = "1943";
        QCOMPARE(ReadBytes(path("Copie.fsc")), CardBytes(fields, poster));
        QCOMPARE(ReadBytes(card), saved);
        QCOMPARE(State(e), "Fichoscope [Copie.fsc] R");

        // Read back, trailing blanks go and the minutes take two digits.
        m_user->files = {card};
        e.open();
        const QStringList shown{Named<QLineEdit>(e, "txtTitre")->text(), Named<QLineEdit>(e, "txtAnnee")->text(), Named<QLineEdit>(e, "txtDuree1")->text(), Named<QLineEdit>(e, "txtDuree2")->text(),
                                Listed(e).join('|'), Named<SummaryBox>(e, "txtResume")->toPlainText()};
        QCOMPARE(shown, QStringList({"Casablanca", "1942", "7", "05", "Bogart|Bergman", "Rick\nIlsa"}));
        e.preview();
        QWidget *previewed = ShownWindow("frmInfos");
        QVERIFY(previewed);
        QCOMPARE(previewed->findChild<QLabel *>("lblTitre")->text(), "Casablanca");
        QVERIFY(previewed->findChild<QLabel *>("imgAffiche")->isVisible()); // the opened card's poster
        previewed->close();
        e.removePoster();
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        QVERIFY(QFile::remove(card));
        Named<QAction>(e, "mnuPopReset")->trigger();
        QVERIFY(Named<QLabel>(e, "imgAffiche")->isVisible()); // the poster is the card's own again
        m_user->answers = {Answer::Yes}; // to writing again the card deleted meanwhile
        QVERIFY(e.save());
        QCOMPARE(m_user->messages.last(), MessageRequest({"La fiche a été modifiée par ailleurs depuis son ouverture. "
                                                          "L'enregistrer quand même ?", MessageButtons::YesNo, MessageIcon::Warning, Answer::No}));
        fields = {"Casablanca", "1942", " 7", "05", "Drame", "Michael Curtiz", "Bogart|Bergman|", "Rick\r\nIlsa"};
        QCOMPARE(ReadBytes(card), CardBytes(fields, poster));

        QVERIFY(QDir(shelf).removeRecursively());
        Named<QLineEdit>(e, "txtType")->setText("Film noir");
        m_user->answers = {Answer::Yes, Answer::Yes}; // to saving it as it closes, and over the card gone
        QVERIFY(!e.close());
        QCOMPARE(m_user->messages.last().icon, MessageIcon::Critical);
        QCOMPARE(State(e), "Fichoscope [Casablanca.fsc*] S A R");
        m_user->answers = {Answer::No};
        e.newCard();
        QCOMPARE(State(e) + Named<QLineEdit>(e, "txtTitre")->text(), "Fichoscope [Nouveau]");
    }

    // One editor's card that cannot be opened leaves that editor's card, the
    // other editor's typed title and the catalogue as they were.
    void oneWindowNeverTakesTheOthersDown()
    {
        const QString good = WriteBytes(path("Nosferatu.fsc"), CardBytes({.titre = "Nosferatu"}));
        const QPointer<CatalogueWindow> catalogue = OpenCatalogue(m_dir.path());
        frmMain second;
        m_e->openFile(good);
        Named<QLineEdit>(second, "txtTitre")->setText("Metropolis");
        QVERIFY(!m_e->openFile(WriteBytes(path("faux.fsc"), "no card")));
        QCOMPARE(m_user->messages.last().text, "Fichier incorrect");
        QCOMPARE(Named<QLineEdit>(*m_e, "txtTitre")->text() + ShownTitle(*m_e), "NosferatuFichoscope [Nosferatu.fsc]");
        QVERIFY(Named<QLineEdit>(second, "txtTitre")->text() == "Metropolis" && second.document().isModified());
        QVERIFY(catalogue && catalogue->isVisible());
    }

    // Another program rewrote the card after it was opened: Save asks, and
    // "Non" leaves that file as it is and the card modified.
    void cardChangedOnDiskIsNotOverwrittenBlindly()
    {
        const QString card = WriteBytes(path("c.fsc"), CardBytes({.titre = "A"}));
        m_e->openFile(card);
        Named<QLineEdit>(*m_e, "txtTitre")->setText("B");
        const QByteArray theirs = CardBytes({.titre = "C", .annee = "1999"}), mine = CardBytes({.titre = "B"});
        WriteBytes(card, theirs);
        m_user->answers = {Answer::No};
        QVERIFY(!m_e->save());
        QCOMPARE(m_user->messages.last().text, "La fiche a été modifiée par ailleurs depuis son ouverture. L'enregistrer quand même ?");
        QCOMPARE(ReadBytes(card) + ShownTitle(*m_e).toUtf8(), theirs + "Fichoscope [c.fsc*]");
        m_user->answers = {Answer::Yes};
        QVERIFY(m_e->save());
        QCOMPARE(ReadBytes(card), mine);
    }

    // Every limit holds at its boundary, however the text comes in; a card
    // read with longer stored texts raises no limit for the next one.
    void limitsAtTheirBoundary_data()
    {
        QTest::addColumn<LimitRow>("row");
        for (auto [how, name] : {std::pair{Input::Typed, "typed"}, {Input::Pasted, "pasted"}, {Input::Composed, "composed"}}) {
            const QByteArray n(name);
            QTest::newRow(n + " title") << LimitRow{"txtTitre", how, 51, 50};
            QTest::newRow(n + " year") << LimitRow{"txtAnnee", how, 5, 4};
            QTest::newRow(n + " hours") << LimitRow{"txtDuree1", how, 2, 1};
            QTest::newRow(n + " minutes") << LimitRow{"txtDuree2", how, 3, 2};
            QTest::newRow(n + " type") << LimitRow{"txtType", how, 51, 50};
            QTest::newRow(n + " director") << LimitRow{"txtRealisateur", how, 51, 50};
            QTest::newRow(n + " summary") << LimitRow{"txtResume", how, 501, 500};
            QTest::newRow(n + " summary, exactly full") << LimitRow{"txtResume", how, 500, 500};
        }
        QTest::newRow("hours after a card with \"12\"") << LimitRow{"txtDuree1", Input::Pasted, 2, 1, "12"};
    }

    void limitsAtTheirBoundary()
    {
        QFETCH(LimitRow, row);
        if (!row.openedHours.isEmpty()) {
            m_e->openFile(WriteBytes(path("h.fsc"), CardBytes({.titre = "H", .heures = row.openedHours})));
            m_e->newCard();
        }
        QWidget *box = m_e->findChild<QWidget *>(row.box);
        box->setFocus();
        const QString text(row.length, u'1');
        if (row.how == Input::Typed) {
            QTest::keyClicks(box, text);
        } else if (row.how == Input::Pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keySequence(box, QKeySequence::Paste);
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QCoreApplication::sendEvent(box, &composed);
        }
        const auto *line = qobject_cast<QLineEdit *>(box);
        QCOMPARE(line ? line->text() : Named<SummaryBox>(*m_e, "txtResume")->toPlainText(), QString(row.kept, u'1'));
    }

    // A card's file may be named "Nouveau": opened, it is no new card, and
    // Save rewrites it in place without asking for a path.
    void fileNamedNouveau()
    {
        const QString card = WriteBytes(path("Nouveau"), CardBytes({.titre = "M"}, "P"));
        m_e->openFile(card);
        Named<QLineEdit>(*m_e, "txtTitre")->setText("M le maudit");
        QCOMPARE(State(*m_e), "Fichoscope [Nouveau*] S A R");
        QVERIFY(m_e->save());
        QVERIFY(m_user->dialogs.isEmpty());
        QCOMPARE(ReadBytes(card), CardBytes({.titre = "M le maudit"}, "P"));
    }

    // A text that is no number loses its last character, with a message each
    // time, until it is one.
    void numbersOnly_data()
    {
        QTest::addColumn<NumberRow>("row");
        QTest::newRow("letter inside") << NumberRow{"txtAnnee", "1x95", "1"};
        QTest::newRow("inf") << NumberRow{"txtAnnee", "inf", ""};
        QTest::newRow("signed") << NumberRow{"txtAnnee", "-123", "-123"};
        QTest::newRow("lone sign") << NumberRow{"txtDuree2", "-", ""};
    }

    void numbersOnly()
    {
        QFETCH(NumberRow, row);
        auto *box = m_e->findChild<QLineEdit *>(row.box);
        box->setText(row.text);
        QCOMPARE(box->text(), row.kept);
        QCOMPARE(m_user->messages.size(), row.text.size() - row.kept.size());
        QVERIFY(m_e->document().isModified());
    }

    // Stored, a line break takes two of the summary's 500 characters.
    void summaryCountsLineBreaksTwice()
    {
        SummaryBox *summary = Named<SummaryBox>(*m_e, "txtResume");
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

    // "|" ends each name in the card; fifty characters, ten names at most: a
    // full list lets its names be edited, never an eleventh be added.
    void actorsList()
    {
        QComboBox *box = Named<QComboBox>(*m_e, "cboActeurs");
        const auto enter = [box](const QString &typed) { QTest::keyClicks(box, typed); QTest::keyClick(box, Qt::Key_Return); };
        const auto choose = [box](int index) { box->setCurrentIndex(index); emit box->activated(index); };
        for (const QString &name : {QString("An|ne"), QString(60, u'x'), QString("Carl")})
            enter(name);
        QCOMPARE(Listed(*m_e), QStringList({"Anne", QString(50, u'x'), "Carl"}));
        QCOMPARE(State(*m_e), "Fichoscope [Nouveau*] S");
        choose(1);
        box->lineEdit()->clear();
        enter("Bea");
        choose(0);
        Named<QPushButton>(*m_e, "cmdActSupp")->click(); // the removed name stays typed
        box->lineEdit()->clear();
        for (const char *name : {"3", "4", "5", "6", "7", "8", "9", "10", "11"})
            enter(name);
        choose(9);
        QTest::keyClick(box, Qt::Key_Escape);
        enter("11");
        QCOMPARE(Listed(*m_e), QStringList({"Bea", "Carl", "3", "4", "5", "6", "7", "8", "9", "10"}));
    }

    void posterSizesTheWindow_data()
    {
        QTest::addColumn<PosterRow>("row");
        // 3000 x 4440 twips shown 1935 wide: 2863.8 high, at 4200, 960; 960 + 2864 + 855 = 4679.
        QTest::newRow("portrait") << PosterRow{{200, 296}, {280, 64, 129, 191}, 312};
        // 6000 x 9000 twips: 2902.5, made 2902, the even neighbour; 960 + 2902 + 855 = 4717.
        QTest::newRow("half to even") << PosterRow{{400, 600}, {280, 64, 129, 193}, 314};
        // No poster: the summary's bottom (2160 + 1455) is the lower; 3615 + 855 = 4470.
        QTest::newRow("none") << PosterRow{{}, {280, 64, 129, 0}, 298};
    }

    void posterSizesTheWindow()
    {
        QFETCH(PosterRow, row);
        QVERIFY(m_e->Pic2Img(row.pixels.isValid() ? PosterPicture::fromBytes(Picture(row.pixels)) : PosterPicture()));
        QCOMPARE(Named<QLabel>(*m_e, "imgAffiche")->geometry(), row.shown);
        QCOMPARE(Named<QLabel>(*m_e, "imgAffiche")->isVisible(), row.pixels.isValid());
        QCoreApplication::sendPostedEvents(); // the window follows its new layout
        QCOMPARE(m_e->frameGeometry().height(), row.outerHeight);
        // 960 + 30952 + 855 = 32767 is the last height that fits 16 bits.
        QCOMPARE(EditorOuterHeight(30952), 32767);
        QCOMPARE(EditorOuterHeight(30953), std::nullopt);
    }

    void hostilePictures_data() { AddHostilePictureRows(); }

    void hostilePictures()
    {
        QFETCH(QByteArray, picture);
        QFETCH(bool, shown);
        QCOMPARE(m_e->takePoster(WriteBytes(path("hostile.jpg"), picture)), shown);
        QCOMPARE(Named<QLabel>(*m_e, "imgAffiche")->isVisible(), shown);
        QCOMPARE(State(*m_e), shown ? "Fichoscope [Nouveau*] S" : "Fichoscope [Nouveau]");
    }

    // A picture is taken from the poster's column on (4080 twips: pixel 272
    // of the client area); a card anywhere, after the question about the card
    // on screen, and a foreign one leaves the card shown as it was.
    void fileDrops()
    {
        const auto drop = [this](QWidget *onto, QPoint at, const QString &file) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(onto, &enter);
            QApplication::sendEvent(onto, &drop);
        };
        const QString picture = WriteBytes(path("p.jpg"), Picture({10, 10}));
        drop(m_e, m_e->centralWidget()->mapTo(m_e, QPoint(271, 5)), picture);
        QCOMPARE(ShownTitle(*m_e), "Fichoscope [Nouveau]");
        drop(m_e, m_e->centralWidget()->mapTo(m_e, QPoint(272, 5)), picture);
        QCOMPARE(ShownTitle(*m_e), "Fichoscope [Nouveau*]");
        m_user->answers = {Answer::No};
        drop(Named<QLineEdit>(*m_e, "txtRealisateur"), {5, 5}, WriteBytes(path("c.fsc"), CardBytes({.titre = "Alien"})));
        drop(Named<QLineEdit>(*m_e, "txtType"), {5, 5}, WriteBytes(path("faux.fsc"), "no card"));
        QCOMPARE(m_user->messages.size(), 2);
        QCOMPARE(ShownTitle(*m_e) + Named<QLineEdit>(*m_e, "txtTitre")->text(), "Fichoscope [c.fsc]Alien");
    }

    // Ctrl+L: the film chosen fills the card at once, poster included; a
    // field already filled stays; the card is then modified.
    void fillsFromTheWeb()
    {
        RecordedServer server;
        server.route("/3/search/movie", {{200, RecordedAnswer("tmdb-search.json")}});
        server.route("/3/movie/", {{200, RecordedAnswer("tmdb-movie.json")}});
        server.route("/t/p/w780/", {{200, Picture({78, 117})}});
        qputenv("no_proxy", "127.0.0.1");
        qputenv("FICHOSCOPE_TMDB_URL", server.url().toEncoded());
        qputenv("FICHOSCOPE_TMDB_IMAGES_URL", server.url().toEncoded());
        qputenv("FICHOSCOPE_TMDB_KEY", "0123456789abcdef0123456789abcdef");
        Named<QLineEdit>(*m_e, "txtTitre")->setText("Batman Begins");
        WhenModal([](QWidget *window) {
            QTest::keyClick(window->findChild<QLineEdit *>("txtFilm"), Qt::Key_Return);
            auto *list = window->findChild<QListWidget *>("lstFilms");
            QTRY_VERIFY(list->count() > 0);
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_VERIFY(!window->isVisible());
        });
        auto *online = Named<QAction>(*m_e, "mnuFileOnline");
        QCOMPARE(online->shortcut(), QKeySequence("Ctrl+L"));
        online->trigger();
        qunsetenv("FICHOSCOPE_TMDB_KEY");
        const auto text = [this](const char *box) { return Named<QLineEdit>(*m_e, box)->text(); };
        QCOMPARE(text("txtTitre"), "Batman Begins");
        QCOMPARE(text("txtAnnee"), "2019");
        QCOMPARE(text("txtDuree1") + ":" + text("txtDuree2"), "2:03");
        QCOMPARE(text("txtRealisateur"), "James Gray");
        QCOMPARE(Listed(*m_e), QStringList({"Brad Pitt", "Tommy Lee Jones", "Ruth Negga"}));
        QVERIFY(Named<QWidget>(*m_e, "imgAffiche")->isVisible());
        QCOMPARE(ShownTitle(*m_e), "Fichoscope [Nouveau*]");
    }

    // What is typed is printed before it is saved, and stays unsaved.
    void pdfHoldsUnsavedEdits()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils is not installed");
        Named<QLineEdit>(*m_e, "txtTitre")->setText("Les Enfants du paradis");
        Named<QLineEdit>(*m_e, "txtType")->setText("Drame");
        m_user->files = {path("enfants")};
        Named<QAction>(*m_e, "mnuFilePdf")->trigger();
        QCOMPARE(m_user->dialogs.last().title, "Exporter en PDF");
        QCOMPARE(m_user->dialogs.last().initialName, "Les Enfants du paradis.pdf");
        QProcess pdftotext;
        pdftotext.start("pdftotext", {path("enfants.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished());
        QCOMPARE(pdftotext.readAllStandardOutput(), "Les Enfants du paradis\nType : Drame\n\n\f");
        QCOMPARE(ShownTitle(*m_e), "Fichoscope [Nouveau*]");
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
