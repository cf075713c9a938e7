#include "card/CardRecord.h"
#include "card/CardText.h"

#include <QtTest>

class TestCardRecord : public QObject
{
    Q_OBJECT

private slots:
    void emptyRecordIsAllSpaces()
    {
        const CardRecord record;
        QCOMPARE(record.bytes(), QByteArray(1168, ' '));
    }

    void fieldsStandAtTheirOffsets()
    {
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("T"));
        record.set(CardRecord::Annee, QStringLiteral("1942"));
        record.set(CardRecord::DureeH, QStringLiteral(" 1"));
        record.set(CardRecord::DureeMin, QStringLiteral("42"));
        record.set(CardRecord::Type, QStringLiteral("Y"));
        record.set(CardRecord::Realisateur, QStringLiteral("R"));
        record.set(CardRecord::Acteurs, QStringLiteral("A|"));
        record.set(CardRecord::Resume, QStringLiteral("S"));
        const QByteArray &b = record.bytes();
        QCOMPARE(b.size(), 1168);
        QCOMPARE(b.mid(0, 2), QByteArray("T "));
        QCOMPARE(b.mid(49, 5), QByteArray(" 1942"));
        QCOMPARE(b.mid(54, 4), QByteArray(" 142"));
        QCOMPARE(b.mid(57, 3), QByteArray("2Y "));
        QCOMPARE(b.mid(107, 2), QByteArray(" R"));
        QCOMPARE(b.mid(157, 3), QByteArray(" A|"));
        QCOMPARE(b.mid(667, 2), QByteArray(" S"));
        QCOMPARE(b.mid(669), QByteArray(499, ' '));
    }

    void longTextIsCutAndExactFitHasNoPadding()
    {
        CardRecord record;
        const QString fifty(50, u'x');
        record.set(CardRecord::Titre, fifty + QStringLiteral("yz"));
        QCOMPARE(record.text(CardRecord::Titre), fifty);
        QCOMPARE(record.bytes().at(50), ' '); // the year field, untouched
        record.set(CardRecord::Annee, QStringLiteral("199"));
        QCOMPARE(record.text(CardRecord::Annee), QStringLiteral("199 "));
    }

    void windows1252RoundTrip()
    {
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("é©€œ"));
        QCOMPARE(record.bytes().left(5), QByteArray("\xE9\xA9\x80\x9C "));
        QCOMPARE(record.text(CardRecord::Titre), QStringLiteral("é©€œ") + QString(46, u' '));
    }

    void unrepresentableCharacterBecomesOneQuestionMark()
    {
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("a\u4E2Db\U0001F600c"));
        QCOMPARE(record.bytes().left(6), QByteArray("a?b?c "));
    }

    void fittingCountsEncodedBytes()
    {
        // 49 ASCII then a character the code page lacks: still one byte.
        CardRecord record;
        record.set(CardRecord::Titre, QString(49, u'x') + QStringLiteral("\U0001F600zz"));
        QCOMPARE(record.bytes().left(51), QByteArray(49, 'x') + "? ");
    }

    void fromBytesPadsAShortRecord()
    {
        const CardRecord record = CardRecord::fromBytes("Casa");
        QCOMPARE(record.bytes(), QByteArray("Casa") + QByteArray(1164, ' '));
    }

    void marker()
    {
        QCOMPARE(MakeMarker().Signature, QByteArray("@FCHSC@"));
        QVERIFY(IsCardMarker({QByteArray("@FCHSC@")}));
        QVERIFY(!IsCardMarker({QByteArray("@fchsc@")}));
        QVERIFY(!IsCardMarker({QByteArray("@FCHSC")}));
    }

    void trimRightRemovesOnlyTrailingSpaces()
    {
        QCOMPARE(TrimRight(QStringLiteral("  Casablanca   ")), QStringLiteral("  Casablanca"));
        QCOMPARE(TrimRight(QStringLiteral("a\t \r\n ")), QStringLiteral("a\t \r\n"));
        QCOMPARE(TrimRight(QStringLiteral("   ")), QString());
    }

    void maxInt()
    {
        QCOMPARE(MaxInt(3615, 3824), qint16(3824));
        QCOMPARE(MaxInt(-1, -5), qint16(-1));
        QCOMPARE(MaxInt(7, 7), qint16(7));
    }

    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << "1942" << true;
        QTest::newRow("two digits") << "95" << true;
        QTest::newRow("signed") << "-123" << true;
        QTest::newRow("blanks around") << " 12 " << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lone minus") << "-" << false;
        QTest::newRow("lone plus") << "+" << false;
        QTest::newRow("letter") << "a" << false;
        QTest::newRow("letter inside") << "1x95" << false;
        QTest::newRow("trailing letter") << "12a" << false;
        QTest::newRow("inf") << "inf" << false;
    }

    void numericTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(text, QLocale::c()), numeric);
        QCOMPARE(IsNumeric(text, QLocale(QLocale::French, QLocale::France)), numeric);
    }

    void numericTestFollowsTheLocale()
    {
        QVERIFY(IsNumeric(QStringLiteral("1,5"), QLocale(QLocale::French, QLocale::France)));
        QVERIFY(!IsNumeric(QStringLiteral("1,5"), QLocale::c()));
    }

    void actorsJoinAndSplit()
    {
        QCOMPARE(JoinActors({QStringLiteral("Anne"), QStringLiteral("Paul")}), QStringLiteral("Anne|Paul|"));
        QCOMPARE(JoinActors({}), QString());
        QCOMPARE(SplitActors(QStringLiteral("Anne|Paul|") + QString(500, u' ')),
                 QStringList({QStringLiteral("Anne"), QStringLiteral("Paul")}));
        QCOMPARE(SplitActors(QString(510, u' ')), QStringList());
        QCOMPARE(SplitActors(QStringLiteral("Anne|Paul")), QStringList({QStringLiteral("Anne")}));
        QCOMPARE(SplitActors(QStringLiteral("Anne||Paul|")),
                 QStringList({QStringLiteral("Anne"), QString(), QStringLiteral("Paul")}));
        QCOMPARE(SplitActors(QStringLiteral("Jean|Luc|")), QStringList({QStringLiteral("Jean"), QStringLiteral("Luc")}));
    }

    void actorsBeyond510AreCutAndTheCutNameIsLost()
    {
        // Eleven names of 50 characters: 561 characters joined.
        QStringList names;
        for (char c = 'a'; c <= 'k'; ++c)
            names << QString(50, QChar(c));
        CardRecord record;
        record.set(CardRecord::Acteurs, JoinActors(names));
        QCOMPARE(record.text(CardRecord::Acteurs).size(), 510);
        QCOMPARE(SplitActors(record.text(CardRecord::Acteurs)), names.mid(0, 10));

        // A name cut before its "|" is not read back.
        record.set(CardRecord::Acteurs, QString(505, u'x') + QStringLiteral("|Paul|"));
        QCOMPARE(SplitActors(record.text(CardRecord::Acteurs)), QStringList({QString(505, u'x')}));
    }

    void runningTimeStoredAndReadBack()
    {
        const QLocale c = QLocale::c();
        QCOMPARE(HoursForRecord(QStringLiteral("7"), c), QStringLiteral(" 7"));
        QCOMPARE(HoursForRecord(QString(), c), QString());
        QCOMPARE(HoursForRecord(QStringLiteral("12"), c), QStringLiteral("12"));
        CardRecord record;
        record.set(CardRecord::DureeH, HoursForRecord(QStringLiteral("7"), c));
        record.set(CardRecord::DureeMin, QStringLiteral("5"));
        QCOMPARE(record.bytes().mid(54, 4), QByteArray(" 75 "));
        QCOMPARE(HoursForEditor(record.text(CardRecord::DureeH), c), QStringLiteral("7"));
        QCOMPARE(MinutesForEditor(record.text(CardRecord::DureeMin), c), QStringLiteral("05"));
        QCOMPARE(MinutesForEditor(QStringLiteral("30"), c), QStringLiteral("30"));
        QCOMPARE(HoursForEditor(QStringLiteral("12"), c), QStringLiteral("12"));
        QCOMPARE(HoursForEditor(QStringLiteral("  "), c), QString());
        QCOMPARE(MinutesForEditor(QStringLiteral("  "), c), QString());
        QCOMPARE(HoursForEditor(QStringLiteral("ab"), c), QString());
        QCOMPARE(MinutesForEditor(QStringLiteral("x1"), c), QString());
    }

    void summaryLineBreaks()
    {
        QCOMPARE(SummaryForRecord(QStringLiteral("a\nb\n")), QStringLiteral("a\r\nb\r\n"));
        QCOMPARE(SummaryForRecord(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
        QCOMPARE(SummaryForEditor(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
        CardRecord record;
        record.set(CardRecord::Resume, SummaryForRecord(QStringLiteral("x\ny")));
        QCOMPARE(record.bytes().mid(668, 5), QByteArray("x\r\ny "));
    }
};

QTEST_GUILESS_MAIN(TestCardRecord)
#include "test_card_record.moc"
