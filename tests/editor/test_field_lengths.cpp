#include "EditorTesting.h"

#include "editor/EditorCard.h"
#include "support/ScriptedDesktop.h"

#include <QLineEdit>
#include <QtTest>

// Each box takes no more than its card field holds, typed or pasted; the
// summary counts its line breaks twice, as the card stores them.
class TestFieldLengths : public QObject
{
    Q_OBJECT

private slots:
    void boxesStopAtTheirLength_data();
    void boxesStopAtTheirLength();
    void summaryLineBreakNeedsRoomForTwo();
    void summaryPasteIsCutToTheRoomLeft();
    void summaryTypingOverASelectionFitsWhenFull();
};

void TestFieldLengths::boxesStopAtTheirLength_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    const QString letters = QStringLiteral("abcdefghij").repeated(6); // 60
    QTest::newRow("title") << "txtTitre" << letters << letters.left(50);
    QTest::newRow("type") << "txtType" << letters << letters.left(50);
    QTest::newRow("director") << "txtRealisateur" << letters << letters.left(50);
    QTest::newRow("year") << "txtAnnee" << "19951" << "1995";
    QTest::newRow("hours") << "txtDuree1" << "12" << "1";
    QTest::newRow("minutes") << "txtDuree2" << "305" << "30";
}

void TestFieldLengths::boxesStopAtTheirLength()
{
    QFETCH(QString, box);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    auto *field = editor->findChild<QLineEdit *>(box);

    QTest::keyClicks(field, input);
    QCOMPARE(field->text(), kept);
    field->clear();
    PasteInto(field, input);
    QCOMPARE(field->text(), kept);
    QVERIFY(desk.messages.isEmpty());
}

void TestFieldLengths::summaryLineBreakNeedsRoomForTwo()
{
    const auto editor = ShowNewEditor();
    QTest::keyClicks(editor->txtResume, QString(497, u'a'));
    QTest::keyClick(editor->txtResume, Qt::Key_Return); // 499 as stored
    QTest::keyClick(editor->txtResume, Qt::Key_Return); // one left: refused
    QTest::keyClick(editor->txtResume, Qt::Key_B);      // 500
    QTest::keyClick(editor->txtResume, Qt::Key_C);      // refused
    QCOMPARE(editor->txtResume->toPlainText(), QString(497, u'a') + QStringLiteral("\nb"));

    const QByteArray stored = CollectCard(*editor).bytes().mid(668, 500);
    QCOMPARE(stored, QByteArray(497, 'a') + "\r\nb");
}

void TestFieldLengths::summaryPasteIsCutToTheRoomLeft()
{
    const auto editor = ShowNewEditor();
    editor->txtResume->setPlainText(QString(495, u'a'));
    editor->txtResume->moveCursor(QTextCursor::End);
    // Five left: "1", CR LF, "2" take four; the next line break needs two.
    PasteInto(editor->txtResume, QStringLiteral("1\r\n2\r\n3"));
    QCOMPARE(editor->txtResume->toPlainText(), QString(495, u'a') + QStringLiteral("1\n2"));
}

void TestFieldLengths::summaryTypingOverASelectionFitsWhenFull()
{
    const auto editor = ShowNewEditor();
    editor->txtResume->setPlainText(QString(498, u'a') + QStringLiteral("\n"));
    editor->txtResume->selectAll();
    QTest::keyClick(editor->txtResume, Qt::Key_Z);
    QCOMPARE(editor->txtResume->toPlainText(), "z");
}

QTEST_MAIN(TestFieldLengths)
#include "test_field_lengths.moc"
