#include "EditorTesting.h"

#include "support/ScriptedDesktop.h"

#include <QLineEdit>
#include <QtTest>

namespace {

const QString kYearMessage = QStringLiteral("Format invalide.\rL'année doit se composer de 4 chiffres");
const QString kHoursMessage = QStringLiteral("Format invalide.\rLa durée doit se composer d'un chiffre pour "
                                             "l'heure\ret de deux chiffes pour les minutes");
const QString kMinutesMessage = QStringLiteral("Format invalide.\rLa durée doit se composer d'un chiffre pour "
                                               "l'heure\ret de deux chiffres pour les minutes");

} // namespace

// The year, hours and minutes boxes: what they take, the message for what
// they refuse, and the repair that follows it.
class TestNumericFields : public QObject
{
    Q_OBJECT

private slots:
    void letterAfterDigitsIsRemoved();
    void pastedTextLosesItsLastCharacterUntilItPasses();
    void letterInsideTheYearCutsBackToWhatPasses();
    void nonNumberInAnEmptyBoxShowsTheBoxMessage_data();
    void nonNumberInAnEmptyBoxShowsTheBoxMessage();
    void numbersPassWithoutMessage_data();
    void numbersPassWithoutMessage();
};

void TestNumericFields::letterAfterDigitsIsRemoved()
{
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    QTest::keyClicks(editor->txtAnnee, "199");
    QVERIFY(desk.messages.isEmpty());
    editor->ChangeEdit(false);

    QTest::keyClick(editor->txtAnnee, Qt::Key_A);
    QCOMPARE(desk.messages.size(), 1);
    const MessageRequest &message = desk.messages.first();
    QCOMPARE(message.text, kYearMessage);
    QCOMPARE(message.title, "Fichoscope");
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.defaultButton, Answer::Ok);
    QCOMPARE(editor->txtAnnee->text(), "199");
    QCOMPARE(editor->txtAnnee->cursorPosition(), 3);
    QCOMPARE(editor->windowTitle(), "Fichoscope [Nouveau*]");

    // The repaired box goes on taking digits at its end.
    QTest::keyClick(editor->txtAnnee, Qt::Key_5);
    QCOMPARE(editor->txtAnnee->text(), "1995");
}

void TestNumericFields::pastedTextLosesItsLastCharacterUntilItPasses()
{
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    PasteInto(editor->txtAnnee, QStringLiteral("12ab"));
    // One message for "12ab", one for "12a".
    QCOMPARE(desk.messageTexts(), QStringList({kYearMessage, kYearMessage}));
    QCOMPARE(editor->txtAnnee->text(), "12");
    QCOMPARE(editor->txtAnnee->cursorPosition(), 2);
    QVERIFY(editor->blnModified);
}

void TestNumericFields::letterInsideTheYearCutsBackToWhatPasses()
{
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    QTest::keyClicks(editor->txtAnnee, "1995");
    editor->txtAnnee->setSelection(1, 1);
    QTest::keyClick(editor->txtAnnee, Qt::Key_X);
    // "1x95", "1x9" and "1x" fail; the last character goes each time.
    QCOMPARE(desk.messageTexts(), QStringList({kYearMessage, kYearMessage, kYearMessage}));
    QCOMPARE(editor->txtAnnee->text(), "1");
    QCOMPARE(editor->txtAnnee->cursorPosition(), 1);
}

void TestNumericFields::nonNumberInAnEmptyBoxShowsTheBoxMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("year") << "txtAnnee" << "h" << kYearMessage;
    QTest::newRow("hours") << "txtDuree1" << "h" << kHoursMessage;
    QTest::newRow("minutes") << "txtDuree2" << "h" << kMinutesMessage;
    QTest::newRow("lone sign") << "txtDuree2" << "-" << kMinutesMessage;
}

void TestNumericFields::nonNumberInAnEmptyBoxShowsTheBoxMessage()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    auto *field = editor->findChild<QLineEdit *>(box);
    QTest::keyClicks(field, typed);
    QCOMPARE(desk.messageTexts(), QStringList{message});
    QCOMPARE(desk.messages.first().icon, MessageIcon::Information);
    QVERIFY(field->text().isEmpty());
    // Marked modified although the text is as it was.
    QCOMPARE(editor->windowTitle(), "Fichoscope [Nouveau*]");
    QVERIFY(editor->mnuFileSave->isEnabled());
}

void TestNumericFields::numbersPassWithoutMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("two-digit year") << "txtAnnee" << "95";
    QTest::newRow("signed year") << "txtAnnee" << "-123";
    QTest::newRow("minutes beyond 59") << "txtDuree2" << "99";
}

void TestNumericFields::numbersPassWithoutMessage()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    ScriptedDesktop desk;
    const auto editor = ShowNewEditor();
    auto *field = editor->findChild<QLineEdit *>(box);
    PasteInto(field, typed); // typed, a lone "-" would fail first
    QVERIFY(desk.messages.isEmpty());
    QCOMPARE(field->text(), typed);
    QVERIFY(editor->blnModified);
}

QTEST_MAIN(TestNumericFields)
#include "test_numeric_fields.moc"
