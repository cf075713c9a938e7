// Start-up, work folders, the save-target prompt, and the real desktop's
// message boxes.
#include "app/FileDialogs.h"
#include "app/PosterPicture.h"
#include "app/QtDesktop.h"
#include "app/Startup.h"
#include "app/WorkFolder.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QMessageBox>
#include <QtTest>

struct NameRow { QString typed, proposed, saved; };
struct FaceRow { QString commandLine, title, message; }; // title: of the one window shown
struct BoxRow { MessageButtons buttons; int shown; Answer defaultButton; int key; Answer answer; }; // key 0: closed
Q_DECLARE_METATYPE(NameRow)
Q_DECLARE_METATYPE(FaceRow)
Q_DECLARE_METATYPE(BoxRow)

class TestApp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_documents;

private slots:
    void initTestCase()
    {
        // The documents folder is the user's: give the test a home of its own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        m_documents = m_home.filePath("Documents/");
        QVERIFY(QDir().mkpath(m_documents));
    }

    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(WorkFoldersLeft(), QStringList());
    }

    // "$", then 05/12/2026 and 08:31:37 as numbers in hexadecimal: 5122026 is
    // 4E27EA, 83137 is 144C1. Hidden beside the program and never shared;
    // removing one takes its fixed files and leaves anything else.
    void workFolders()
    {
        const QString dated = QCoreApplication::applicationDirPath() + "/.$4E27EA144C1";
        FixedClock clock({QDate(2026, 12, 5), QTime(8, 31, 37)});
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated);
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-2");
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-3");
        QCOMPARE(CreateWorkFolder(NameOrder::TimeFirst), QCoreApplication::applicationDirPath() + "/.$144C14E27EA");
        QCOMPARE(WorkFolderName({QDate(2026, 12, 5), QTime(0, 0)}, QLocale(QLocale::French), NameOrder::TimeFirst), "$04E27EA");
        for (const char *name : {kInfoFileName, kPosterFileName, kPreviewFileName})
            WriteBytes(WorkFile(dated + "-2", name), "x");
        WriteBytes(WorkFile(dated + "-3", kPosterFileName), "x");
        WriteBytes(dated + "-3/other", "kept");
        RemoveWorkFolder(dated + "-2");
        RemoveWorkFolder(dated + "-3");
        QCOMPARE(WorkFoldersLeft(), QStringList({".$144C14E27EA", ".$4E27EA144C1", ".$4E27EA144C1-3"}));
        QCOMPARE(QDir(dated + "-3").entryList(QDir::Files), QStringList{"other"});
        for (const QString &left : WorkFoldersLeft())
            QDir(QCoreApplication::applicationDirPath() + '/' + left).removeRecursively();
    }

    // The program's own limit: 4096 x 6144 pixels at 4 bytes are its 96 MB.
    void pictureSizeLimit()
    {
        QCOMPARE(PosterPicture::fromFile(WriteBytes(m_home.filePath("fits.bmp"), BlankBmp({4096, 6144}))).decodedWhole().size(),
                 QSize(4096, 6144));
        QVERIFY(PosterPicture::fromFile(WriteBytes(m_home.filePath("past.bmp"), BlankBmp({4096, 6145}))).isNull());
    }

    void saveTargetIsAskedFor()
    {
        ScriptedDesktop user;
        const QString existing = WriteBytes(m_documents + "Film.fsc", "old");
        // A name typed without extension is asked about the card it would replace.
        user.files = {existing, m_documents + "Film"};
        user.answers = {Answer::No, Answer::Yes};
        QCOMPARE(AskSaveTarget(nullptr, "Film"), existing);
        const MessageRequest question{"Le fichier existe déjà. Le remplacer ?", MessageButtons::YesNo, MessageIcon::Question, Answer::Yes};
        QCOMPARE(user.messages, QList<MessageRequest>({question, question}));
        const QList<FileFilter> filters{{"Fichiers Fichoscope (*.fsc)", "*.fsc"}, {"Tous les fichiers (*.*)", "*.*"}};
        const FileDialogRequest dialog{"Fichier à enregistrer", filters, m_documents, "Film.fsc", FileChoice::SaveTarget};
        QCOMPARE(user.dialogs, QList<FileDialogRequest>({dialog, dialog}));
        QCOMPARE(AskSaveTarget(nullptr, "Film"), QString()); // cancelled
    }

    // The name the dialog proposes, and the path written for the name typed.
    void cardNames_data()
    {
        QTest::addColumn<NameRow>("row");
        QTest::newRow("no extension") << NameRow{"/Mes.Films/film", "/Mes.Films/film.fsc", "/Mes.Films/film.fsc"};
        QTest::newRow("three letters") << NameRow{"film.txt", "film.txt.fsc", "film.txt"};
        QTest::newRow("capitals") << NameRow{"film.FSC", "film.FSC", "film.FSC"};
        QTest::newRow("four letters") << NameRow{"film.html", "film.html.fsc", "film.html.fsc"};
        QTest::newRow("too long") << NameRow{QString(300, u'x'), QString(254, u'x'), QString(300, u'x') + ".fsc"};
        QTest::newRow("empty") << NameRow{"", "", ".fsc"};
    }

    void cardNames()
    {
        QFETCH(NameRow, row);
        QCOMPARE(InitialFileName(row.typed), row.proposed);
        QCOMPARE(WithCardExtension(row.typed), row.saved);
    }

    void commandLineChoosesTheFace_data()
    {
        QTest::addColumn<FaceRow>("row"); // %1: a card whose path holds a space
        QTest::newRow("nothing: the editor") << FaceRow{"", "Fichoscope [Nouveau]", ""};
        QTest::newRow("quoted card") << FaceRow{"\"%1\"", " Fichoscope", ""};
        QTest::newRow("card unquoted") << FaceRow{"%1", " Fichoscope", ""};
        QTest::newRow("two quotes") << FaceRow{"\"\"", "", "Fichier introuvable"};
    }

    void commandLineChoosesTheFace()
    {
        QFETCH(FaceRow, row);
        ScriptedDesktop desk;
        Main(row.commandLine.replace("%1", WriteBytes(m_home.filePath("Le film.fsc"), CardBytes({}))));
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window->windowTitle();
        QCOMPARE(shown, row.title.isEmpty() ? QStringList() : QStringList{row.title});
        const MessageRequest told{row.message, MessageButtons::Ok, MessageIcon::Critical};
        QCOMPARE(desk.messages, row.message.isEmpty() ? QList<MessageRequest>() : QList<MessageRequest>{told});
        QCOMPARE(desk.ended, row.message.isEmpty() ? QList<int>() : QList<int>{1});
    }

    void realMessageBoxAnswers_data()
    {
        QTest::addColumn<BoxRow>("row");
        QTest::newRow("OK, Escape") << BoxRow{MessageButtons::Ok, 1, Answer::Ok, Qt::Key_Escape, Answer::Ok};
        QTest::newRow("OK, closed") << BoxRow{MessageButtons::Ok, 1, Answer::Ok, 0, Answer::Ok};
        QTest::newRow("Yes No, Escape") << BoxRow{MessageButtons::YesNo, 2, Answer::Yes, Qt::Key_Escape, Answer::No};
        QTest::newRow("Yes No, closed") << BoxRow{MessageButtons::YesNo, 2, Answer::Yes, 0, Answer::No};
        QTest::newRow("Yes No Cancel, Escape") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::Yes, Qt::Key_Escape, Answer::Cancel};
        QTest::newRow("Yes No Cancel, closed") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::Yes, 0, Answer::Cancel};
        QTest::newRow("Yes No Cancel, Enter") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::No, Qt::Key_Return, Answer::No};
    }

    void realMessageBoxAnswers()
    {
        QFETCH(BoxRow, row);
        QString shown;
        WhenModal([&](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            QVERIFY(box);
            shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon()) + '|' + QString::number(box->buttons().size());
            row.key ? QTest::keyClick(box, Qt::Key(row.key)) : void(box->close());
        });
        const MessageRequest request{"Première ligne\rseconde", row.buttons, MessageIcon::Warning, row.defaultButton};
        QCOMPARE(QtDesktop().showMessage(nullptr, request), row.answer);
        QCOMPARE(shown, QStringLiteral("Fichoscope|Première ligne\nseconde|%1|%2").arg(QMessageBox::Warning).arg(row.shown));
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
