#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// A card opened in the editor and saved again keeps every byte of the fields
// the user did not change; the running time is converted as the card format
// defines.
class TestRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void untouchedFieldsKeepTheirBytes_data();
    void untouchedFieldsKeepTheirBytes();
    void runningTimeIsConverted_data();
    void runningTimeIsConverted();

private:
    // Opens the card, changes the title and changes it back (or adds "!" to
    // the summary), saves; the file's bytes afterwards.
    QByteArray OpenEditSave(const QByteArray &card, bool editSummary = false);

    QTemporaryDir m_folder;
    ScriptedDesktop m_desktop;
};

namespace {

// n bytes of a simple generator that reaches every value, "|" left out.
QByteArray Noise(int n, quint32 &state)
{
    QByteArray bytes;
    while (bytes.size() < n) {
        state = state * 1103515245u + 12345u;
        const char byte = char(state >> 16);
        if (byte != '|')
            bytes.append(byte);
    }
    return bytes;
}

// A card a user could have saved: a title and a year the editor accepts.
CardFields Film()
{
    return {.titre = "Casablanca", .annee = "1942"};
}

} // namespace

QByteArray TestRoundTrip::OpenEditSave(const QByteArray &card, bool editSummary)
{
    const QString path = m_folder.filePath(QStringLiteral("film.fsc"));
    WriteBytes(path, card);
    frmMain editor;
    editor.openFile(path);
    if (editSummary) {
        QTextCursor cursor = Named<SummaryBox>(editor, "txtResume")->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("!"));
    } else {
        const QString title = Named<QLineEdit>(editor, "txtTitre")->text();
        Named<QLineEdit>(editor, "txtTitre")->setText(title + u'!');
        Named<QLineEdit>(editor, "txtTitre")->setText(title);
    }
    if (!editor.save())
        qWarning("the card was not saved");
    editor.close();
    return ReadBytes(path);
}

void TestRoundTrip::untouchedFieldsKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<bool>("editSummary");
    QTest::addColumn<QByteArray>("expected");
    quint32 state = 1;
    for (int row = 0; row < 24; ++row) {
        CardFields fields = Film();
        fields.titre = 'T' + Noise(49, state);
        fields.type = Noise(50, state);
        fields.realisateur = Noise(50, state);
        fields.acteurs = Noise(20, state) + '|' + Noise(7, state) + "||" + Noise(49, state) + '|';
        fields.resume = Noise(500, state);
        fields.heures = "12";
        fields.minutes = "05";
        const QByteArray card = CardBytes(fields, "poster");
        QTest::addRow("generated %d", row) << card << false << card;
    }
    CardFields french = Film();
    french.resume = "Qui\xA0? \xAB\xA0Moi\xA0\xBB. Un\rdeux\r\ntrois\n\x1A \x81\x8D\x8F\x90\x9D";
    french.heures = "-1";
    QTest::newRow("no-break spaces, lone CR and LF, undefined bytes") << CardBytes(french) << false << CardBytes(french);
    CardFields edited = Film();
    edited.resume = "Qui\xA0? \xAB\xA0Moi\xA0\xBB.\r\nFin";
    const QByteArray before = CardBytes(edited);
    edited.resume += '!';
    QTest::newRow("no-break spaces in an edited summary") << before << true << CardBytes(edited);
}

void TestRoundTrip::untouchedFieldsKeepTheirBytes()
{
    QFETCH(QByteArray, card);
    QFETCH(bool, editSummary);
    QFETCH(QByteArray, expected);
    QCOMPARE(OpenEditSave(card, editSummary).toHex(' '), expected.toHex(' '));
}

void TestRoundTrip::runningTimeIsConverted_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("stored");   // hours then minutes
    QTest::addColumn<QByteArray>("expected"); // as saved again
    QTest::newRow("canonical") << "fr_FR" << QByteArray(" 730") << QByteArray(" 730");
    QTest::newRow("single minute digit") << "fr_FR" << QByteArray(" 75 ") << QByteArray(" 705");
    QTest::newRow("hours twelve") << "fr_FR" << QByteArray("12 0") << QByteArray("1200");
    QTest::newRow("blank") << "fr_FR" << QByteArray("    ") << QByteArray("    ");
    QTest::newRow("not numbers") << "fr_FR" << QByteArray("a-b ") << QByteArray("    ");
    QTest::newRow("decimal comma") << "fr_FR" << QByteArray(" 15,") << QByteArray(" 105");
    QTest::newRow("half rounds to even") << "fr_FR" << QByteArray("1 ,5") << QByteArray(" 100");
    // "-05" does not fit the field: its last digit is cut.
    QTest::newRow("negative minutes") << "fr_FR" << QByteArray(" 1-5") << QByteArray(" 1-0");
    QTest::newRow("comma is no decimal in English") << "en_US" << QByteArray(" 15,") << QByteArray(" 1  ");
    QTest::newRow("point is decimal in English") << "en_US" << QByteArray(" 1.5") << QByteArray(" 100");
}

void TestRoundTrip::runningTimeIsConverted()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);
    QLocale::setDefault(QLocale(locale));
    CardFields fields = Film();
    fields.heures = stored.left(2);
    fields.minutes = stored.mid(2);
    const QByteArray saved = OpenEditSave(CardBytes(fields));
    QCOMPARE(saved.mid(7 + 54, 4), expected.left(4));
}

QTEST_MAIN(TestRoundTrip)
#include "test_round_trip.moc"
