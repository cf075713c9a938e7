#include "app/Startup.h"

#include "app/WorkFolder.h"
#include "card/CardRecord.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

QWidgetList VisibleWindows()
{
    QWidgetList shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown << window;
    return shown;
}

// A card without a poster: marker, record, separator.
QByteArray CardBytes(const QString &title)
{
    CardRecord record;
    record.set(CardRecord::Titre, title);
    return QByteArray("@FCHSC@") + record.bytes() + char(0xA9);
}

} // namespace

// The command line picks the face: the editor when empty, otherwise the
// viewer on the card it names, quotes removed.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void noArgumentShowsANewEditor();
    void cardPathShowsTheViewer_data();
    void cardPathShowsTheViewer();
    void unusablePathIsReportedAndEndsTheProgram_data();
    void unusablePathIsReportedAndEndsTheProgram();

private:
    QTemporaryDir m_dir;
    QString m_card;  // a card whose name holds a space
    QString m_other; // a second card
};

void TestStartup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_card = m_dir.filePath(QStringLiteral("Le film.fsc"));
    m_other = m_dir.filePath(QStringLiteral("autre.fsc"));
    WriteBytes(m_card, CardBytes(QStringLiteral("Casablanca")));
    WriteBytes(m_other, CardBytes(QStringLiteral("Vertigo")));
    WriteBytes(m_dir.filePath(QStringLiteral("image.fsc")), "GIF89a, no card");
}

void TestStartup::cleanup()
{
    for (QWidget *window : VisibleWindows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(VisibleWindows().isEmpty());
    QVERIFY(WorkFoldersIn(WorkFolderParent()).isEmpty());
}

void TestStartup::noArgumentShowsANewEditor()
{
    ScriptedDesktop desk;
    Main(QString());
    const QWidgetList shown = VisibleWindows();
    QCOMPARE(shown.size(), 1);
    QWidget *editor = shown.first();
    QCOMPARE(editor->objectName(), "frmMain");
    QCOMPARE(editor->windowTitle(), "Fichoscope [Nouveau]");
    QVERIFY(!editor->findChild<QAction *>("mnuFileSave")->isEnabled());
    QVERIFY(!editor->findChild<QAction *>("mnuFileSaveAs")->isEnabled());
    QVERIFY(!editor->findChild<QAction *>("mnuPopReset")->isEnabled());
    QVERIFY(editor->findChild<QAction *>("mnuPopRem")->isEnabled());
    QVERIFY(!editor->findChild<QPushButton *>("cmdActSupp")->isEnabled());
    QVERIFY(desk.messages.isEmpty());

    // Closing the editor disposes of it.
    QSignalSpy gone(editor, &QObject::destroyed);
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(gone.count(), 1);
}

void TestStartup::cardPathShowsTheViewer_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("quoted") << QStringLiteral("\"%1\"");
    QTest::newRow("unquoted with a space") << QStringLiteral("%1");
    QTest::newRow("quote inside") << QStringLiteral("\"%1");
}

void TestStartup::cardPathShowsTheViewer()
{
    QFETCH(QString, commandLine);
    ScriptedDesktop desk;
    Main(commandLine.arg(m_card));
    QVERIFY2(desk.messages.isEmpty(), qPrintable(desk.messageTexts().join(u'/')));
    QVERIFY(desk.endedWith.isEmpty());
    const QWidgetList shown = VisibleWindows();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first()->objectName(), "frmInfos");
    // The work folder is gone as soon as the viewer is on screen.
    QVERIFY(WorkFoldersIn(WorkFolderParent()).isEmpty());
}

void TestStartup::unusablePathIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("two quotes") << QStringLiteral("\"\"") << "Fichier introuvable";
    QTest::newRow("empty argument") << JoinedArguments({QString()}) << "Fichier introuvable";
    QTest::newRow("two paths") << m_card + u' ' + m_other << "Fichier introuvable";
    QTest::newRow("two quoted paths") << u'"' + m_card + QStringLiteral("\" \"") + m_other + u'"'
                                      << "Fichier introuvable";
    QTest::newRow("trailing space kept") << m_other + u' ' << "Fichier introuvable";
    QTest::newRow("no card") << m_dir.filePath(QStringLiteral("image.fsc")) << "Fichier incorrect";
}

void TestStartup::unusablePathIsReportedAndEndsTheProgram()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, message);
    ScriptedDesktop desk;
    Main(commandLine);
    QCOMPARE(desk.messageTexts(), QStringList{message});
    QCOMPARE(desk.messages.first().icon, MessageIcon::Critical);
    QCOMPARE(desk.messages.first().buttons, MessageButtons::Ok);
    QCOMPARE(desk.messages.first().title, "Fichoscope");
    QCOMPARE(desk.endedWith.size(), 1);
    QVERIFY(VisibleWindows().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
