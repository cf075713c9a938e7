// Filling a card from the web: the readers of the services' recorded answers,
// the merge into a card, the key's settings, and the search window driven as
// a user drives it against a stand-in server on 127.0.0.1.
#include "online/CardMerge.h"
#include "online/TmdbAnswers.h"
#include "online/TmdbKey.h"
#include "online/WikidataAnswers.h"
#include "online/frmOnlineSearch.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/RecordedServer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kApiKey = QStringLiteral("0123456789abcdef0123456789abcdef");
// The overview of tests/online/recorded/tmdb-movie.json.
const char *const kAdAstraOverview =
    "The near future, a time when both hope and hardships drive humanity to look to the stars and beyond. While a "
    "mysterious phenomenon menaces to destroy life on planet Earth, astronaut Roy McBride undertakes a mission across "
    "the immensity of space and its many perils to uncover the truth about a lost expedition that decades before "
    "boldly faced emptiness and silence in search of the unknown.";

CardRecord Record(const CardFields &fields)
{
    return CardRecord::fromBytes(CardBytes(fields).mid(7, CardRecord::Size));
}

// The services' real answers, each on the path the program asks for.
void RouteWikidata(RecordedServer &server)
{
    server.route("list=search", {{200, RecordedAnswer("wikidata-search.json")}});
    server.route("props=labels|claims", {{200, RecordedAnswer("wikidata-entities.json")}});
    server.route("props=labels", {{200, RecordedAnswer("wikidata-labels.json")}});
    server.route("/page/summary/Les_Carrefours_de_la_ville", {{200, RecordedAnswer("wikipedia-summary.json")}});
}

void RouteTmdb(RecordedServer &server, const QByteArray &poster)
{
    server.route("/3/search/movie", {{200, RecordedAnswer("tmdb-search.json")}});
    server.route("/3/movie/", {{200, RecordedAnswer("tmdb-movie.json")}});
    server.route("/t/p/w780/xBHvZcjRiWyobQ9kxBhO6B2dtRI.jpg", {{200, poster}});
}

OnlineSettings Settings(const QUrl &url, const QString &key = {})
{
    return {{url, url, url, url, url}, key, 500};
}

// Types the title and Enter, then Enter on the first film found.
void SearchAndFill(frmOnlineSearch &window, const QString &title)
{
    auto *text = window.findChild<QLineEdit *>("txtFilm");
    text->clear();
    QTest::keyClicks(text, title);
    QTest::keyClick(text, Qt::Key_Return);
    auto *list = window.findChild<QListWidget *>("lstFilms");
    QTRY_VERIFY(list->count() > 0);
    QTest::keyClick(list, Qt::Key_Return);
}

QString Status(const frmOnlineSearch &window)
{
    return window.findChild<QLabel *>("lblEtat")->text();
}

} // namespace

class TestOnline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("no_proxy", "127.0.0.1"); }

    void readsWikidataAnswers()
    {
        const QStringList ids = *ParseWikidataSearch(RecordedAnswer("wikidata-search.json"));
        QCOMPARE(ids.size(), 10);
        QCOMPARE(ids.first(), "Q676262");
        const QList<WikidataFilm> films = *ParseWikidataFilms(RecordedAnswer("wikidata-entities.json"), ids);
        QCOMPARE(films.size(), 1);
        const WikidataFilm &film = films.first();
        QCOMPARE(film.id, "Q2262932");
        QCOMPARE(film.genreIds, QStringList({"Q959790", "Q130232"}));
        QCOMPARE(film.directorIds, QStringList({"Q51472"}));
        QCOMPARE(film.castIds.size(), 9);
        QCOMPARE(film.castIds.first(), "Q93957");
        QCOMPARE(film.castIds.last(), "Q3568320");
        QCOMPARE(film.frwikiTitle, "Les Carrefours de la ville");
        QCOMPARE(film.posterFile, "");
        const QHash<QString, QString> labels = *ParseWikidataLabels(RecordedAnswer("wikidata-labels.json"));
        QCOMPARE(labels.value("Q24925"), "science fiction");
        QCOMPARE(labels.size(), 5);
        QVERIFY(ParseWikipediaSummary(RecordedAnswer("wikipedia-summary.json"))->startsWith("Douglas Noel Adams (11 March"));
    }

    void refusesAnswersNotExpected_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("readBy"); // the readers that take it
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("html") << QByteArray("<html><body>502 Bad Gateway</body></html>") << "";
        QTest::newRow("array") << QByteArray("[1,2]") << "";
        QTest::newRow("cut") << RecordedAnswer("tmdb-movie.json").left(300) << "";
        QTest::newRow("wrong types") << QByteArray(R"({"query":{"search":7},"entities":[],"extract":1,"results":{},"id":"9"})") << "";
        QTest::newRow("tmdb movie") << RecordedAnswer("tmdb-movie.json") << "movie";
        QTest::newRow("labels") << RecordedAnswer("wikidata-labels.json") << "films labels";
    }

    void refusesAnswersNotExpected()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, readBy);
        QStringList read;
        if (ParseWikidataSearch(answer))
            read << "search";
        if (ParseWikidataFilms(answer, {}))
            read << "films";
        if (ParseWikidataLabels(answer))
            read << "labels";
        if (ParseWikipediaSummary(answer))
            read << "summary";
        if (ParseTmdbSearch(answer))
            read << "results";
        if (ParseTmdbMovie(answer))
            read << "movie";
        QCOMPARE(read.join(' '), readBy);
    }

    void mergesIntoCard_data()
    {
        QTest::addColumn<CardFields>("card");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<CardFields>("fitted");
        QTest::addColumn<CardFields>("merged");
        QTest::addColumn<bool>("takePoster"); // the card has a poster but for the first row
        const CardFields found{"Ad Astra", "2019", " 2", "03", "Drame", "James Gray", "Brad Pitt|", "Dans l'espace."};
        QTest::newRow("empty card") << CardFields{} << false << found << found << true;
        QTest::newRow("filled kept") << CardFields{"Mon titre", "", "", "45", "", "", "", "Le mien."} << false << found
                                     << CardFields{"Mon titre", "2019", "", "45", "Drame", "James Gray", "Brad Pitt|", "Le mien."}
                                     << false;
        QTest::newRow("filled replaced") << CardFields{"Mon titre", "1999", "", "45"} << true << found << found << true;
        QTest::newRow("nothing found wipes nothing") << CardFields{"Mon titre", "1999", " 1", "30", "Drame"} << true
                                                     << CardFields{"", "", "", "", "", "James Gray"}
                                                     << CardFields{"Mon titre", "1999", " 1", "30", "Drame", "James Gray"} << true;
    }

    void mergesIntoCard()
    {
        QFETCH(CardFields, card);
        QFETCH(bool, replace);
        QFETCH(CardFields, fitted);
        QFETCH(CardFields, merged);
        QFETCH(bool, takePoster);
        const bool cardHasPoster = QTest::currentDataTag() != QByteArray("empty card");
        const MergedCard result = MergeIntoCard(Record(card), cardHasPoster, Record(fitted), true, replace);
        QCOMPARE(result.record.bytes(), Record(merged).bytes());
        QCOMPARE(result.takePoster, takePoster);
    }

    void keepsKeyForOwnerOnly()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qunsetenv("FICHOSCOPE_TMDB_KEY");
        QCOMPARE(TmdbKey(), "");
        QVERIFY(SaveTmdbKey(" " + kApiKey + " ").ok());
        const QString path = config.path() + "/fichoscope/fichoscope.conf";
        QCOMPARE(SettingsPath(), path);
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther), 0);
        QCOMPARE(TmdbKey(), kApiKey);
        qputenv("FICHOSCOPE_TMDB_KEY", "from-environment");
        QCOMPARE(TmdbKey(), "from-environment");
        qunsetenv("FICHOSCOPE_TMDB_KEY");
        QVERIFY(SaveTmdbKey("").ok());
        QCOMPARE(TmdbKey(), "");
    }

    void fillsFromWikidata()
    {
        RecordedServer server;
        RouteWikidata(server);
        frmOnlineSearch window(CardRecord(), false, Settings(server.url()));
        window.show();
        SearchAndFill(window, "Casablanca");
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
        // No label of the recorded answer names the film's people or genres:
        // the film is taken with what it has.
        const CardRecord &record = window.filled().record;
        QCOMPARE(record.bytes().left(58), Record({"Les Carrefours de la ville", "1931", " 1", "22"}).bytes().left(58));
        QCOMPARE(record.text(CardRecord::Acteurs).trimmed(), "");
        QVERIFY(record.text(CardRecord::Resume).startsWith("Douglas Noel Adams (11 March 1952 \u2013 11 May 2001)"));
        QVERIFY(!window.filled().takePoster);
        QVERIFY(server.requests().first().contains("srsearch=Casablanca%20haswbstatement%3AP31%3DQ11424"));
        QVERIFY(server.requests().first().contains("User-Agent: Fichoscope/1.0.0 (https://"));
    }

    void fillsFromTmdb()
    {
        RecordedServer server;
        const QByteArray poster = Picture(QSize(78, 117));
        RouteTmdb(server, poster);
        frmOnlineSearch window(Record({"Titre tapé"}), false, Settings(server.url(), kApiKey));
        window.show();
        window.findChild<QCheckBox *>("chkRemplacer")->setChecked(true);
        SearchAndFill(window, "Batman Begins");
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.filled().record.bytes(),
                 Record({"Ad Astra", "2019", " 2", "03", "Science Fiction", "James Gray",
                         "Brad Pitt|Tommy Lee Jones|Ruth Negga|", kAdAstraOverview})
                     .bytes());
        QVERIFY(window.filled().takePoster);
        QCOMPARE(window.poster(), poster);
        QVERIFY(server.requests().first().startsWith("GET /3/search/movie?query=Batman%20Begins&language=fr-FR&api_key=" + kApiKey.toLatin1()));
    }

    void saysWhatFailed_data()
    {
        QTest::addColumn<QList<Recorded>>("answers");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("said");
        const QByteArray tooLarge = "{\"results\":[" + QByteArray(6 << 20, ' ') + "]}";
        QTest::newRow("refused key") << QList<Recorded>{{401, "{}"}} << QString(64, 'k') << "Clé TMDb refusée.";
        QTest::newRow("too many requests") << QList<Recorded>{{429, "{}", "Retry-After: 30\r\n"}} << kApiKey
                                           << "Trop de requêtes : le service demande d'attendre 30 s.";
        QTest::newRow("server error") << QList<Recorded>{{500, "{}"}} << "" << "Le serveur a répondu par une erreur (HTTP 500).";
        QTest::newRow("no answer") << QList<Recorded>{{200, "{}", {}, Recorded::Silent}} << ""
                                   << "Le serveur 127.0.0.1 ne répond pas (délai dépassé).";
        QTest::newRow("cut answer") << QList<Recorded>{{200, RecordedAnswer("tmdb-search.json"), {}, Recorded::Cut}} << kApiKey
                                    << "Le serveur a coupé la connexion avant la fin de sa réponse.";
        QTest::newRow("not json") << QList<Recorded>{{200, "<html></html>"}} << "" << "Réponse inattendue de Wikidata.";
        QTest::newRow("too large") << QList<Recorded>{{200, tooLarge}} << kApiKey
                                   << "Réponse refusée : plus grande que ce qu'un service envoie.";
        // Recorded from Wikimedia's search, as quoted in tests/online/recorded/SOURCES.
        QTest::newRow("nothing found") << QList<Recorded>{{200, RecordedAnswer("wikidata-search-none.json")}} << ""
                                       << "Aucun film trouvé.";
    }

    void saysWhatFailed()
    {
        QFETCH(QList<Recorded>, answers);
        QFETCH(QString, key);
        QFETCH(QString, said);
        RecordedServer server;
        server.route("/", answers);
        const CardRecord card = Record({"Casablanca", "1942"});
        frmOnlineSearch window(card, true, Settings(server.url(), key));
        window.show();
        QTest::keyClick(window.findChild<QLineEdit *>("txtFilm"), Qt::Key_Return);
        QTRY_COMPARE(Status(window), said);
        QCOMPARE(window.findChild<QLabel *>("lblEtat")->accessibleDescription(), said);
        QCOMPARE(window.findChild<QListWidget *>("lstFilms")->count(), 0);
        QVERIFY(window.isVisible());
        if (key.size() > 32)
            QVERIFY(server.requests().first().contains("Authorization: Bearer " + key.toLatin1()));
    }

    void saysWhenServerIsAway_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("said");
        QTest::newRow("stopped") << "http" << "Le serveur 127.0.0.1 refuse la connexion.";
        QTest::newRow("tls") << "https" << "Échec de la connexion sécurisée (TLS) avec 127.0.0.1.";
    }

    void saysWhenServerIsAway()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, said);
        QUrl url;
        {
            RecordedServer server;
            url = server.url();
        }
        // A plain HTTP server where TLS is expected fails the handshake.
        RecordedServer plain;
        url = scheme == "https" ? QUrl("https://127.0.0.1:" + QString::number(plain.url().port())) : url;
        frmOnlineSearch window(Record({"Casablanca"}), false, Settings(url));
        window.show();
        QTest::keyClick(window.findChild<QLineEdit *>("txtFilm"), Qt::Key_Return);
        QTRY_COMPARE(Status(window), said);
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void retriesAfterShortWait()
    {
        RecordedServer server;
        server.route("/3/search/movie", {{429, "{}", "Retry-After: 0\r\n"}, {200, RecordedAnswer("tmdb-search.json")}});
        RouteTmdb(server, Picture(QSize(78, 117)));
        frmOnlineSearch window(CardRecord(), false, Settings(server.url(), kApiKey));
        window.show();
        SearchAndFill(window, "Batman Begins");
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
    }

    void takesTextsWhenPosterFails()
    {
        RecordedServer server;
        RouteTmdb(server, "not a picture");
        frmOnlineSearch window(CardRecord(), false, Settings(server.url(), kApiKey));
        window.show();
        SearchAndFill(window, "Batman Begins");
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.filled().record.text(CardRecord::Titre).trimmed(), "Ad Astra");
        QVERIFY(!window.filled().takePoster);
        QVERIFY(window.poster().isEmpty());
        QVERIFY(window.posterProblem().startsWith("Affiche refusée : "));
    }

    void takesWhatFilmHas()
    {
        // A film TMDb knows by its title alone is still offered, and its
        // English overview asked for; only the overview is taken from that
        // answer, so Ad Astra's stands in for it.
        RecordedServer server;
        server.route("/3/search/movie", {{200, RecordedAnswer("tmdb-search.json")}});
        server.route("language=fr-FR", {{200, RecordedAnswer("tmdb-movie-latest.json")}});
        server.route("language=en-US", {{200, RecordedAnswer("tmdb-movie.json")}});
        frmOnlineSearch window(CardRecord(), false, Settings(server.url(), kApiKey));
        window.show();
        SearchAndFill(window, "Batman Begins");
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.filled().record.bytes(),
                 Record({"K\xf6nig Charles III", "", "", "", "", "", "", kAdAstraOverview}).bytes());
        QVERIFY(!window.filled().takePoster);
    }

    void cancelledFillChangesNothing()
    {
        RecordedServer server;
        RouteTmdb(server, Picture(QSize(78, 117)));
        const CardRecord card = Record({"Casablanca", "1942"});
        frmOnlineSearch window(card, true, Settings(server.url(), kApiKey));
        window.show();
        QTest::keyClick(window.findChild<QLineEdit *>("txtFilm"), Qt::Key_Return);
        QTRY_VERIFY(window.findChild<QListWidget *>("lstFilms")->count() > 0);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.filled().record.bytes(), CardRecord().bytes());
    }
};

QTEST_MAIN(TestOnline)
#include "test_online.moc"
