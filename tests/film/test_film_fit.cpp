// Fitting a film into a card, whatever source described it: each row gives
// the film and the card's fields as bytes (Windows-1252), laid out by hand.
#include "film/FitFilm.h"
#include "support/CardBytes.h"

#include <QtTest>

struct FitRow
{
    Film film{};
    CardFields card{};
    QStringList changes{};
    int cutFields = 0;
};
Q_DECLARE_METATYPE(FitRow)

namespace {

QString Words(const char *word, int count)
{
    return QString::fromUtf8(word).repeated(count);
}

} // namespace

class TestFilmFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsFilmIntoCard_data()
    {
        QTest::addColumn<FitRow>("row");
        QTest::newRow("every field") << FitRow{
            {"Alien", "", 1979, 117, {"science-fiction", "horreur"}, {"Ridley Scott"},
             {"Sigourney Weaver", "Tom Skerritt"}, "Un cargo spatial.\nUn signal."},
            {"Alien", "1979", " 1", "57", "Science-fiction", "Ridley Scott", "Sigourney Weaver|Tom Skerritt|",
             "Un cargo spatial.\r\nUn signal."}};
        QTest::newRow("original title, no year, minutes only")
            << FitRow{{"  ", "Stalker", 0, 59, {}, {}, {}, ""}, {"Stalker", "", " 0", "59"}};
        QTest::newRow("an hour and a minute, ten hours ignored")
            << FitRow{{"A", "", 12345, 61}, {"A", "", " 1", "01"}, {"Année 12345 ignorée"}};
        QTest::newRow("past 9 h 59") << FitRow{{"B", "", 1999, 600}, {"B", "1999"}, {"Durée de 600 min ignorée"}};
        QTest::newRow("letters to their base") << FitRow{
            {"Popiół i diament", "", 1958, 0, {"drame ★"}, {"Andrzej Wajda"}, {"Ewa Krzyżewska", "Jiří Menzel", "Jean\u2011Pierre"}},
            {"Popi\xf3l i diament", "1958", "", "", "Drame", "Andrzej Wajda", "Ewa Krzyzewska|Jir\xed Menzel|Jean-Pierre|"},
            {"« ł » remplacé par « l »", "« ★ » retiré", "« ż » remplacé par « z »", "« ř » remplacé par « r »", "« \u2011 » remplacé par « - »"}};
        QTest::newRow("code page kept, accents composed") << FitRow{
            {"L’Œil du maître", "", 0, 0, {}, {"Ame\u0301lie Straße", "Đorđe Šimić"}},
            {"L\x92\x8cil du ma\xeetre", "", "", "", "", "Am\xe9lie Stra\xdf" "e, Dorde \x8aimic"},
            {"« Đ » remplacé par « D »", "« đ » remplacé par « d »", "« ć » remplacé par « c »"}};
        QTest::newRow("white space") << FitRow{
            {"  La   Grande\tIllusion \n", "", 0, 0, {}, {}, {"Jean\u00a0Gabin"}, "\r\n  « Bonjour\u202f! »\rFin. \n"},
            {"La Grande Illusion", "", "", "", "", "", "Jean\xa0Gabin|", "\xab Bonjour\xa0! \xbb\r\nFin."}};
        QTest::newRow("directors as far as whole names fit") << FitRow{
            {"C", "", 0, 0, {}, {"Jean-Pierre Jeunet", "Marc Caro", "Un Troisieme Realisateur"}},
            {"C", "", "", "", "", "Jean-Pierre Jeunet, Marc Caro"}, {"Réalisateur : 3 noms, 2 gardés"}, 1};
        QTest::newRow("ten distinct actors, without |") << FitRow{
            {"D", "", 0, 0, {}, {}, {"A1", "A2", "A1", "A|3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11"}},
            {"D", "", "", "", "", "", "A1|A2|A3|A4|A5|A6|A7|A8|A9|A10|"},
            {"« | » retiré des noms d'acteurs", "Acteurs : 11 noms, 10 gardés"}, 1};
        QTest::newRow("long title and actor's name cut") << FitRow{
            {Words("Titre ", 9), "", 0, 0, {}, {}, {Words("Nom ", 13)}},
            {QByteArray("Titre ").repeated(8) + "Ti", "", "", "", "", "", QByteArray("Nom ").repeated(12) + "No|"},
            {"Titre raccourci", "Nom d'acteur raccourci"}, 2};
        QTest::newRow("summary cut at a sentence") << FitRow{
            {"E", "", 0, 0, {}, {}, {}, Words("mot ", 100) + "Fin. " + Words("suite ", 30)},
            {"E", "", "", "", "", "", "", QByteArray("mot ").repeated(100) + "Fin."}, {"Résumé raccourci"}, 1};
        QTest::newRow("summary cut after a closing quote") << FitRow{
            {"F", "", 0, 0, {}, {}, {}, Words("mot ", 90) + "« Va-t’en. » " + Words("suite ", 30)},
            {"F", "", "", "", "", "", "", QByteArray("mot ").repeated(90) + "\xab Va-t\x92" "en. \xbb"},
            {"Résumé raccourci"}, 1};
        QTest::newRow("summary cut after a word") << FitRow{
            {"G", "", 0, 0, {}, {}, {}, Words("mot ", 80) + "Fin. " + Words("suite ", 40)},
            {"G", "", "", "", "", "", "", QByteArray("mot ").repeated(80) + "Fin. " + QByteArray("suite ").repeated(28) + "suite\x85"},
            {"Résumé raccourci"}, 1};
        QTest::newRow("summary of one long word") << FitRow{
            {"H", "", 0, 0, {}, {}, {}, Words("x", 600)},
            {"H", "", "", "", "", "", "", QByteArray(499, 'x') + "\x85"}, {"Résumé raccourci"}, 1};
    }

    void fitsFilmIntoCard()
    {
        QFETCH(FitRow, row);
        const FittedFilm fitted = FitFilm(row.film);
        QCOMPARE(fitted.record.bytes(), CardBytes(row.card).mid(7, 1168));
        QCOMPARE(fitted.changes, row.changes);
        QCOMPARE(fitted.cutFields, row.cutFields);
    }
};

QTEST_GUILESS_MAIN(TestFilmFit)
#include "test_film_fit.moc"
