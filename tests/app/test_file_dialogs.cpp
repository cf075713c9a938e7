#include "app/FileDialogs.h"
#include "app/QtDesktop.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestFileDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_documents;

    QString doc(const QString &name) const { return m_documents + name; }

private slots:
    void initTestCase()
    {
        // The special folders come from the user's home: give the test its own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
        m_documents = m_home.path() + QStringLiteral("/Documents/");
    }

    void specialFolders()
    {
        QCOMPARE(SpecialFolderPath(SpecialFolder::Documents), m_documents);
        // No Pictures folder in this home: no starting folder.
        QCOMPARE(SpecialFolderPath(SpecialFolder::Pictures), QString());
    }

    void saveDialogAsked()
    {
        ScriptedDesktop user;
        user.answerFiles({doc(QStringLiteral("Casablanca.fsc"))});
        QCOMPARE(AskSaveTarget(nullptr, QStringLiteral("Casablanca")), doc(QStringLiteral("Casablanca.fsc")));
        QCOMPARE(user.fileDialogs.size(), 1);
        const FileDialogRequest &asked = user.fileDialogs.first();
        QCOMPARE(asked.title, QStringLiteral("Fichier à enregistrer"));
        QCOMPARE(asked.startFolder, m_documents);
        QCOMPARE(asked.initialName, QStringLiteral("Casablanca.fsc"));
        QCOMPARE(asked.choice, FileChoice::SaveTarget);
        QCOMPARE(asked.filters, QList<FileFilter>({{"Fichiers Fichoscope (*.fsc)", "*.fsc"},
                                                   {"Tous les fichiers (*.*)", "*.*"}}));
        QVERIFY(user.messages.isEmpty());
    }

    void pictureAndOpenDialogs()
    {
        ScriptedDesktop user;
        QCOMPARE(ShowFileDialog(nullptr, QStringLiteral("Affiche du film"), PictureFilters(),
                                SpecialFolder::Pictures, FileChoice::Existing),
                 QString());
        const FileDialogRequest &asked = user.fileDialogs.first();
        QCOMPARE(asked.title, QStringLiteral("Affiche du film"));
        QCOMPARE(asked.choice, FileChoice::Existing);
        QCOMPARE(asked.startFolder, QString());
        QCOMPARE(asked.initialName, QString());
        QCOMPARE(asked.filters,
                 QList<FileFilter>({{"Fichiers Images (*.bmp, *.jpg, *.gif)", "*.bmp;*.jpg;*.gif"},
                                    {"Bitmap (*.bmp)", "*.bmp"},
                                    {"JPEG (*.jpg)", "*.jpg"},
                                    {"GIF (*.gif)", "*.gif"},
                                    {"Tous les fichiers (*.*)", "*.*"}}));
    }

    void chosenPathLosesSurroundingSpaces()
    {
        ScriptedDesktop user;
        user.answerFiles({QStringLiteral("  /tmp/a b.fsc  ")});
        QCOMPARE(ShowFileDialog(nullptr, QStringLiteral("t"), CardFilters(), SpecialFolder::Desktop,
                                FileChoice::Existing),
                 QStringLiteral("/tmp/a b.fsc"));
    }

    void initialNames_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Film" << "Film.fsc";
        QTest::newRow("capitals kept") << "Film.FSC" << "Film.FSC";
        QTest::newRow("other extension") << "Film.fs" << "Film.fs.fsc";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("too long") << QString(300, u'x') << QString(254, u'x');
    }

    void initialNames()
    {
        QFETCH(QString, given);
        QFETCH(QString, shown);
        QCOMPARE(InitialFileName(given), shown);
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("txt") << "/films/film.txt" << "/films/film.txt";
        QTest::newRow("fs") << "/films/film.fs" << "/films/film.fs.fsc";
        QTest::newRow("html") << "/films/film.html" << "/films/film.html.fsc";
        QTest::newRow("FSC") << "/films/film.FSC" << "/films/film.FSC";
        QTest::newRow("none") << "/films/film" << "/films/film.fsc";
        QTest::newRow("dot in folder") << "/Mes.Films/film" << "/Mes.Films/film.fsc";
        QTest::newRow("3 after folder dot") << "/a.b/c" << "/a.b/c.fsc";
    }

    void extensionRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        ScriptedDesktop user;
        user.answerFiles({typed});
        QCOMPARE(AskSaveTarget(nullptr, QStringLiteral("Film")), saved);
    }

    void overwriteQuestionLoopsOnNo()
    {
        const QString existing = doc(QStringLiteral("film.fsc"));
        WriteBytes(existing, "old");
        ScriptedDesktop user;
        user.answerFiles({existing, existing, existing});
        user.answerMessages({Answer::No, Answer::No, Answer::Yes});
        QCOMPARE(AskSaveTarget(nullptr, QStringLiteral("Film")), existing);
        QCOMPARE(user.fileDialogs.size(), 3);
        QCOMPARE(user.fileDialogs.at(2).initialName, QStringLiteral("Film.fsc"));
        QCOMPARE(user.messages.size(), 3);
        const MessageRequest &question = user.messages.first();
        QCOMPARE(question.text, QStringLiteral("Le fichier existe déjà. Le remplacer ?"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Question);
        QCOMPARE(question.defaultButton, Answer::Yes);
        QCOMPARE(question.title, QStringLiteral("Fichoscope"));
    }

    void cancelAfterNoGivesNothing()
    {
        const QString existing = doc(QStringLiteral("kept.fsc"));
        WriteBytes(existing, "old");
        ScriptedDesktop user;
        user.answerFiles({existing});
        user.answerMessages({Answer::No});
        QCOMPARE(AskSaveTarget(nullptr, QStringLiteral("kept")), QString());
        QCOMPARE(user.fileDialogs.size(), 2);
    }

    void nameTypedWithoutExtensionIsAskedAboutTheCardItWouldReplace()
    {
        WriteBytes(doc(QStringLiteral("noext.fsc")), "old");
        ScriptedDesktop user;
        user.answerFiles({doc(QStringLiteral("noext"))});
        user.answerMessages({Answer::Yes});
        QCOMPARE(AskSaveTarget(nullptr, QString()), doc(QStringLiteral("noext.fsc")));
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Le fichier existe déjà. Le remplacer ?")}));
    }

    // Qt's own dialog, answered as a user would. A dialog that stays open,
    // or a question of its own, is turned down so that nothing hangs.
    void realSavePrompt_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the proposed name is kept
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen"); // in the documents folder; empty: cancelled
        QTest::newRow("proposed name") << "" << int(Qt::Key_Return) << "Casablanca.fsc";
        QTest::newRow("new name") << "Vertigo" << int(Qt::Key_Return) << "Vertigo";
        QTest::newRow("existing card, no question") << "old.fsc" << int(Qt::Key_Return) << "old.fsc";
        QTest::newRow("escape") << "Vertigo" << int(Qt::Key_Escape) << "";
    }

    void realSavePrompt()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, chosen);
        WriteBytes(doc(QStringLiteral("old.fsc")), "old");
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->directory().filePath(QStringLiteral("x")), doc(QStringLiteral("x")));
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QCOMPARE(name->text(), QStringLiteral("Casablanca.fsc"));
            if (!typed.isEmpty()) {
                name->selectAll();
                QTest::keyClicks(name, typed);
            }
            QTest::keyClick(name, Qt::Key(key));
        });
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
                    dialog->reject();
        });
        guard.start(5000);
        const FileDialogRequest request{QStringLiteral("Fichier à enregistrer"), CardFilters(), m_documents,
                                        QStringLiteral("Casablanca.fsc"), FileChoice::SaveTarget};
        QCOMPARE(QtDesktop().chooseFile(nullptr, request), chosen.isEmpty() ? QString() : doc(chosen));
        QVERIFY(!QDir(m_home.filePath(QStringLiteral(".config"))).exists());
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
