// Online search against a stand-in server on 127.0.0.1 serving TMDb's
// recorded answers: a search until its films are listed, and a whole search
// until every film found is detailed with its poster, each against a bare
// QNetworkAccessManager fetching the same answers, four at a time.
#include "BenchSupport.h"

#include "online/FilmSource.h"
#include "support/Pictures.h"
#include "support/RecordedServer.h"

#include <QApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

constexpr int kRuns = 21;

// The program's source, as a search window keeps it, from the search to the
// signal that ends the work.
void Source(FilmSource *source, bool whole)
{
    QEventLoop loop;
    int detailed = 0;
    QObject::connect(source, &FilmSource::listed, &loop, [&] {
        if (!whole || source->films().isEmpty())
            loop.quit();
    });
    QObject::connect(source, &FilmSource::filmChanged, &loop, [&](int row) {
        detailed += source->films().at(row).detailed ? 1 : 0;
        if (whole && detailed == source->films().size())
            loop.quit();
    });
    source->search(QStringLiteral("Batman Begins"));
    loop.exec();
    source->disconnect(&loop);
}

// The floor: the same answers, the details and posters once the search came.
void Bare(QNetworkAccessManager &manager, const QUrl &base, bool whole)
{
    QEventLoop loop;
    int left = 0;
    const auto get = [&](const QString &path, auto then) {
        ++left;
        QNetworkReply *reply = manager.get(QNetworkRequest(base.resolved(QUrl(path))));
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, then] {
            (void)reply->readAll();
            reply->deleteLater();
            then();
            if (--left == 0)
                loop.quit();
        });
    };
    get(QStringLiteral("/3/search/movie?query=Batman&language=fr-FR&api_key=k"), [&] {
        if (!whole)
            return;
        for (const char *path : {"/3/movie/272?append_to_response=credits", "/3/movie/498471?append_to_response=credits",
                                 "/t/p/w780/xBHvZcjRiWyobQ9kxBhO6B2dtRI.jpg", "/t/p/w780/xBHvZcjRiWyobQ9kxBhO6B2dtRI.jpg"})
            get(QLatin1String(path), [] {});
    });
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("no_proxy", "127.0.0.1");
    QApplication app(argc, argv);
    RecordedServer server;
    server.route(QStringLiteral("/3/search/movie"), {{200, RecordedAnswer("tmdb-search.json")}});
    server.route(QStringLiteral("/3/movie/"), {{200, RecordedAnswer("tmdb-movie.json")}});
    server.route(QStringLiteral("/t/p/w780/"), {{200, Picture(QSize(780, 1170))}});
    const QUrl url = server.url();
    const OnlineSettings settings{{url, url, url, url, url}, QStringLiteral("0123456789abcdef0123456789abcdef")};
    const std::unique_ptr<FilmSource> source = MakeFilmSource(settings);
    QNetworkAccessManager manager;
    PrintFigure("online-search-vs-bare",
                MedianRatio(kRuns, [&] { Bare(manager, url, false); }, [&] { Source(source.get(), false); }));
    PrintFigure("online-fill-vs-bare", MedianRatio(kRuns, [&] { Bare(manager, url, true); }, [&] { Source(source.get(), true); }));
    PrintFigure("online-fill-ms", MedianMicros(kRuns, [&] { Source(source.get(), true); }) / 1000.0);
    return 0;
}
