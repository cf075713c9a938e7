#include "EditorTesting.h"

#include "editor/EditorCard.h"
#include "support/ScriptedDesktop.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

QByteArray Spaces(int n)
{
    return QByteArray(n, ' ');
}

// The bytes of one field, at its offset in the 1168-byte record.
QByteArray Field(const CardRecord &card, int offset, int length)
{
    return card.bytes().mid(offset, length);
}

} // namespace

// A card typed into the editor, collected into its record and filled back
// into a fresh editor.
class TestEditorCard : public QObject
{
    Q_OBJECT

private slots:
    void typedCardIsCollectedFieldByField();
    void collectedCardFillsAFreshEditor();
    void emptyCardRoundTrips();
    void runningTimeThatIsNoNumberLoadsEmpty();
    void storedYearThatIsNoNumberIsCutBackWhileLoading();
    void actorsAreAddedToTheListAsItStands();

private:
    static CardRecord TypeCasablanca(frmMain &editor);
};

CardRecord TestEditorCard::TypeCasablanca(frmMain &editor)
{
    QTest::keyClicks(editor.txtTitre, " Casablanca ");
    QTest::keyClicks(editor.txtAnnee, "1942");
    QTest::keyClicks(editor.txtDuree1, "7");
    QTest::keyClicks(editor.txtDuree2, "5");
    QTest::keyClicks(editor.txtType, "Drame");
    QTest::keyClicks(editor.txtRealisateur, "Michael Curtiz");
    for (const char *actor : {"Humphrey Bogart", "Ingrid Bergman"}) {
        QTest::keyClicks(editor.cboActeurs, actor);
        QTest::keyClick(editor.cboActeurs, Qt::Key_Return);
    }
    QTest::keyClicks(editor.txtResume, "Rick");
    QTest::keyClick(editor.txtResume, Qt::Key_Return);
    QTest::keyClicks(editor.txtResume, "Ilsa");
    return CollectCard(editor);
}

void TestEditorCard::typedCardIsCollectedFieldByField()
{
    const auto editor = ShowNewEditor();
    const CardRecord card = TypeCasablanca(*editor);
    QCOMPARE(card.bytes().size(), 1168);
    QCOMPARE(Field(card, 0, 50), " Casablanca " + Spaces(38));
    QCOMPARE(Field(card, 50, 4), "1942");
    QCOMPARE(Field(card, 54, 2), " 7");
    QCOMPARE(Field(card, 56, 2), "5 ");
    QCOMPARE(Field(card, 58, 50), "Drame" + Spaces(45));
    QCOMPARE(Field(card, 108, 50), "Michael Curtiz" + Spaces(36));
    QCOMPARE(Field(card, 158, 510), "Humphrey Bogart|Ingrid Bergman|" + Spaces(479));
    QCOMPARE(Field(card, 668, 500), "Rick\r\nIlsa" + Spaces(490));
}

void TestEditorCard::collectedCardFillsAFreshEditor()
{
    ScriptedDesktop desk;
    CardRecord card;
    {
        const auto typed = ShowNewEditor();
        card = TypeCasablanca(*typed);
    }
    const auto editor = ShowNewEditor();
    FillEditorFields(*editor, card);

    QVERIFY(desk.messages.isEmpty());
    QCOMPARE(editor->txtTitre->text(), " Casablanca"); // trailing blanks go
    QCOMPARE(editor->txtAnnee->text(), "1942");
    QCOMPARE(editor->txtDuree1->text(), "7");
    QCOMPARE(editor->txtDuree2->text(), "05");
    QCOMPARE(editor->txtType->text(), "Drame");
    QCOMPARE(editor->txtRealisateur->text(), "Michael Curtiz");
    QCOMPARE(ListedActors(*editor), QStringList({"Humphrey Bogart", "Ingrid Bergman"}));
    QCOMPARE(editor->txtResume->toPlainText(), "Rick\nIlsa");
    QVERIFY(editor->cboActeurs->currentText().isEmpty());
    // Setting the boxes ran their change handling.
    QVERIFY(editor->blnModified);

    // Saved again, the minutes are stored as shown.
    const CardRecord again = CollectCard(*editor);
    QCOMPARE(Field(again, 54, 4), " 705");
    QCOMPARE(Field(again, 0, 50), " Casablanca" + Spaces(39));
    QCOMPARE(Field(again, 158, 510), Field(card, 158, 510));
    QCOMPARE(Field(again, 668, 500), Field(card, 668, 500));
}

void TestEditorCard::emptyCardRoundTrips()
{
    const auto editor = ShowNewEditor();
    const CardRecord card = CollectCard(*editor);
    QCOMPARE(card.bytes(), Spaces(1168));

    const auto filled = ShowNewEditor();
    FillEditorFields(*filled, card);
    QVERIFY(filled->txtDuree1->text().isEmpty());
    QVERIFY(filled->txtDuree2->text().isEmpty());
    QCOMPARE(filled->cboActeurs->count(), 0);
    QCOMPARE(CollectCard(*filled), card);
}

void TestEditorCard::runningTimeThatIsNoNumberLoadsEmpty()
{
    ScriptedDesktop desk;
    CardRecord card;
    card.set(CardRecord::DureeH, QStringLiteral("h1"));
    card.set(CardRecord::DureeMin, QStringLiteral("5m"));
    const auto editor = ShowNewEditor();
    FillEditorFields(*editor, card);
    QVERIFY(editor->txtDuree1->text().isEmpty());
    QVERIFY(editor->txtDuree2->text().isEmpty());
    QVERIFY(desk.messages.isEmpty());
}

void TestEditorCard::storedYearThatIsNoNumberIsCutBackWhileLoading()
{
    ScriptedDesktop desk;
    CardRecord card;
    card.set(CardRecord::Annee, QStringLiteral("19a2"));
    const auto editor = ShowNewEditor();
    FillEditorFields(*editor, card);
    // "19a2" and "19a" fail; "19" passes.
    QCOMPARE(desk.messages.size(), 2);
    QCOMPARE(desk.messages.first().text, "Format invalide.\rL'année doit se composer de 4 chiffres");
    QCOMPARE(editor->txtAnnee->text(), "19");
}

void TestEditorCard::actorsAreAddedToTheListAsItStands()
{
    const auto editor = ShowNewEditor();
    QTest::keyClicks(editor->cboActeurs, "Anne");
    QTest::keyClick(editor->cboActeurs, Qt::Key_Return);
    editor->ChangeEdit(false);

    SplitActors(*editor, QStringLiteral("Bea||Carl|Dora"));
    // The empty name stands; the text after the last "|" is no name.
    QCOMPARE(ListedActors(*editor), QStringList({"Anne", "Bea", "", "Carl"}));
    QCOMPARE(JoinActors(*editor), "Anne|Bea||Carl|");
    QVERIFY(!editor->blnModified);
    // Joining makes each name current in turn: the last one stays in the box.
    QCOMPARE(editor->cboActeurs->currentIndex(), 3);
    QCOMPARE(editor->cboActeurs->currentText(), "Carl");
}

QTEST_MAIN(TestEditorCard)
#include "test_editor_card.moc"
