#include "EditorTesting.h"

#include "editor/EditorCard.h"
#include "support/ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList Entries(const frmMain &editor)
{
    QStringList entries;
    for (int i = 0; i < editor.cboActeurs->count(); ++i)
        entries << editor.cboActeurs->itemText(i);
    return entries;
}

QString Tag(const frmMain &editor)
{
    return editor.cboActeurs->property("Tag").toString();
}

// Keys go where the user's would: to the widget that has the focus.
QWidget *Focused(frmMain &editor)
{
    editor.cboActeurs->setFocus();
    return QApplication::focusWidget();
}

void Type(frmMain &editor, const QString &text)
{
    QTest::keyClicks(Focused(editor), text);
}

void Press(frmMain &editor, Qt::Key key)
{
    QTest::keyClick(Focused(editor), key);
}

void EnterNames(frmMain &editor, const QStringList &names)
{
    for (const QString &name : names) {
        Type(editor, name);
        Press(editor, Qt::Key_Return);
    }
}

// Opens the drop-down list and clicks the entry.
void Choose(frmMain &editor, int index)
{
    QComboBox *box = editor.cboActeurs;
    box->showPopup();
    QAbstractItemView *list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QRect entry = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    QTRY_VERIFY(!list->window()->isVisible());
}

const QStringList kTen = {"N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10"};

} // namespace

// The actors combo box and its remove button, as the user drives them.
class TestActorsList : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_editor = ShowNewEditor(); }
    void cleanup() { m_editor.reset(); }

    void enterWithAnEmptyBoxDoesNothing();
    void enterAddsBlankAndRepeatedNames();
    void choosingAnEntrySelectsIt();
    void enterReplacesTheChosenEntryInPlace();
    void pastedNameIsCutToFifty();
    void barIsDroppedTypedOrPasted();
    void tenthNameLocksTheBox();
    void fullListEntryCanBeEditedAndStaysLocked();
    void fullListEntryCanBeRemovedAndANameAdded();
    void escapeDropsTheSelectionSoEnterAppends();
    void fullListNeverTakesAnEleventh();

private:
    std::unique_ptr<frmMain> m_editor;
};

void TestActorsList::enterWithAnEmptyBoxDoesNothing()
{
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(m_editor->cboActeurs->count(), 0);
    QVERIFY(!m_editor->blnModified);
    QCOMPARE(m_editor->windowTitle(), "Fichoscope [Nouveau]");
}

void TestActorsList::enterAddsBlankAndRepeatedNames()
{
    EnterNames(*m_editor, {"   ", "Anne", "Anne"});
    QCOMPARE(Entries(*m_editor), QStringList({"   ", "Anne", "Anne"}));
    QCOMPARE(m_editor->windowTitle(), "Fichoscope [Nouveau*]");
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
    QCOMPARE(m_editor->cboActeurs->currentIndex(), -1);
    QVERIFY(!m_editor->cmdActSupp->isEnabled());
    QCOMPARE(Tag(*m_editor), "UnLocked");
}

void TestActorsList::choosingAnEntrySelectsIt()
{
    EnterNames(*m_editor, {"Anne", "Bea", "Carl"});
    m_editor->ChangeEdit(false);
    Choose(*m_editor, 1);
    QCOMPARE(m_editor->cboActeurs->currentText(), "Bea");
    QCOMPARE(m_editor->lblAct, "1");
    QVERIFY(m_editor->cmdActSupp->isEnabled());
    QVERIFY(!m_editor->blnModified);

    // Enter without editing takes the entry out and puts it back in place.
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), QStringList({"Anne", "Bea", "Carl"}));
    QVERIFY(m_editor->blnModified);
    QCOMPARE(m_editor->lblAct, "-1");
    QVERIFY(!m_editor->cmdActSupp->isEnabled());
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
}

void TestActorsList::enterReplacesTheChosenEntryInPlace()
{
    EnterNames(*m_editor, {"Anne", "Bea", "Carl"});
    Choose(*m_editor, 1);
    Press(*m_editor, Qt::Key_Backspace);
    Type(*m_editor, "trice");
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), QStringList({"Anne", "Betrice", "Carl"}));
}

void TestActorsList::pastedNameIsCutToFifty()
{
    const QString sixty = QStringLiteral("0123456789").repeated(6);
    PasteInto(Focused(*m_editor), sixty);
    QCOMPARE(m_editor->cboActeurs->currentText(), sixty.left(50));
    QCOMPARE(m_editor->cboActeurs->lineEdit()->cursorPosition(), 50);
    // Typing alone neither marks the card nor adds the name.
    QVERIFY(!m_editor->blnModified);
    QCOMPARE(JoinActors(*m_editor), QString());
}

void TestActorsList::barIsDroppedTypedOrPasted()
{
    Type(*m_editor, "An|n");
    QCOMPARE(m_editor->cboActeurs->currentText(), "Ann");
    Type(*m_editor, "e");
    Press(*m_editor, Qt::Key_Return);

    PasteInto(Focused(*m_editor), QStringLiteral("Jean|Paul|"));
    QCOMPARE(m_editor->cboActeurs->currentText(), "JeanPaul");
    // The caret stays where the paste ended.
    Press(*m_editor, Qt::Key_Home);
    Type(*m_editor, "|");
    QCOMPARE(m_editor->cboActeurs->lineEdit()->cursorPosition(), 0);
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), QStringList({"Anne", "JeanPaul"}));
}

void TestActorsList::tenthNameLocksTheBox()
{
    EnterNames(*m_editor, kTen.mid(0, 9));
    QCOMPARE(Tag(*m_editor), "UnLocked");
    EnterNames(*m_editor, {kTen.last()});
    QCOMPARE(m_editor->cboActeurs->count(), 10);
    QCOMPARE(Tag(*m_editor), "Locked");
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());

    Type(*m_editor, "X");
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
    PasteInto(Focused(*m_editor), QStringLiteral("Eleven"));
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), kTen);
}

void TestActorsList::fullListEntryCanBeEditedAndStaysLocked()
{
    EnterNames(*m_editor, kTen);
    Choose(*m_editor, 3);
    QCOMPARE(Tag(*m_editor), "UnLocked");
    QCOMPARE(m_editor->cboActeurs->currentText(), "N4");
    Type(*m_editor, "bis");
    Press(*m_editor, Qt::Key_Return);

    QStringList edited = kTen;
    edited[3] = QStringLiteral("N4bis");
    QCOMPARE(Entries(*m_editor), edited);
    QCOMPARE(Tag(*m_editor), "Locked");
    Type(*m_editor, "Y");
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
}

void TestActorsList::fullListEntryCanBeRemovedAndANameAdded()
{
    EnterNames(*m_editor, kTen);
    m_editor->ChangeEdit(false);
    Choose(*m_editor, 2);
    QTest::mouseClick(m_editor->cmdActSupp, Qt::LeftButton);

    QStringList nine = kTen;
    nine.removeAt(2);
    QCOMPARE(Entries(*m_editor), nine);
    QVERIFY(!m_editor->cmdActSupp->isEnabled());
    QCOMPARE(m_editor->lblAct, "-1");
    QCOMPARE(m_editor->cboActeurs->currentIndex(), -1);
    QCOMPARE(m_editor->cboActeurs->currentText(), "N3"); // the text stays
    QCOMPARE(Tag(*m_editor), "UnLocked");
    QCOMPARE(m_editor->windowTitle(), "Fichoscope [Nouveau*]");

    // Enter now appends the name still in the box, as the tenth.
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), nine + QStringList{"N3"});
    QCOMPARE(Tag(*m_editor), "Locked");
}

void TestActorsList::escapeDropsTheSelectionSoEnterAppends()
{
    EnterNames(*m_editor, {"Anne", "Bea", "Carl"});
    m_editor->ChangeEdit(false);
    Choose(*m_editor, 1);
    Press(*m_editor, Qt::Key_Escape);
    QVERIFY(m_editor->cboActeurs->currentText().isEmpty());
    QCOMPARE(m_editor->cboActeurs->currentIndex(), -1);
    QCOMPARE(m_editor->lblAct, "-1");
    QVERIFY(!m_editor->cmdActSupp->isEnabled());
    QVERIFY(!m_editor->blnModified);

    EnterNames(*m_editor, {"Dora"});
    QCOMPARE(Entries(*m_editor), QStringList({"Anne", "Bea", "Carl", "Dora"}));
}

// However the list became full, nothing can be typed until an entry is
// chosen: a card opened with ten actors, Escape, a save's cleared selection.
void TestActorsList::fullListNeverTakesAnEleventh()
{
    SplitActors(*m_editor, kTen.join(u'|') + u'|');
    QCOMPARE(Entries(*m_editor), kTen);
    QCOMPARE(Tag(*m_editor), "Locked");
    QVERIFY(!m_editor->blnModified);
    Type(*m_editor, "Z");
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(m_editor->cboActeurs->count(), 10);

    Choose(*m_editor, 0);
    Press(*m_editor, Qt::Key_Escape);
    QCOMPARE(Tag(*m_editor), "Locked");
    Type(*m_editor, "Z");
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(m_editor->cboActeurs->count(), 10);

    Choose(*m_editor, 9);
    m_editor->actors->ClearSelection();
    QCOMPARE(Tag(*m_editor), "Locked");
    QVERIFY(!m_editor->cmdActSupp->isEnabled());
    Type(*m_editor, "Z");
    Press(*m_editor, Qt::Key_Return);
    QCOMPARE(Entries(*m_editor), kTen);

    m_editor->actors->Empty();
    QCOMPARE(Tag(*m_editor), "UnLocked");
    QCOMPARE(m_editor->cboActeurs->count(), 0);
}

QTEST_MAIN(TestActorsList)
#include "test_actors_list.moc"
