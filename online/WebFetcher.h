#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>

class QNetworkReply;

// What came back for one address: the body, or why there is none.
struct WebAnswer
{
    QByteArray body;
    int status = 0; // the HTTP status; 0 when no answer came
    QString error;  // French, ready for the status line; empty on success

    bool ok() const { return error.isEmpty(); }
};

// Gets addresses through one QNetworkAccessManager, asynchronously: the
// program's User-Agent on every request, the system's proxy, redirects
// followed, a few requests in flight at once, a time limit on each and a
// limit on what an answer may hold. A "429 Too Many Requests" is retried
// once after its Retry-After when that is short.
class WebFetcher : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const WebAnswer &)>;

    explicit WebFetcher(int timeoutMs, QObject *parent = nullptr);
    ~WebFetcher() override;

    // `done` is called once, later, on this thread, unless cancelAll() or
    // the fetcher's end comes first. `bearer` goes as "Authorization".
    void get(const QUrl &url, qint64 maxBytes, Done done, const QByteArray &bearer = {});
    // Drops every request, queued or in flight, without calling back.
    void cancelAll();

private:
    struct Request
    {
        QUrl url;
        qint64 maxBytes = 0;
        QByteArray bearer;
        Done done;
        bool retried = false;
    };

    void startQueued();
    void start(Request request);
    void finish(QNetworkReply *reply, Request request);

    QNetworkAccessManager m_manager;
    int m_timeoutMs;
    std::deque<Request> m_queue;
    QList<QPointer<QNetworkReply>> m_inFlight;
    int m_waiting = 0; // requests waiting out a Retry-After
    quint64 m_generation = 0;
};
