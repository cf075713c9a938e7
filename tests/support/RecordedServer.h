#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

// One answer of the stand-in server.
struct Recorded
{
    enum Mode { Whole, Cut, Silent }; // Cut: half the body, then the connection closes
    int status = 200;
    QByteArray body{};
    QByteArray headers{}; // extra header lines, each ending in "\r\n"
    Mode mode = Whole;
};

// The answers of tests/online/recorded/, by file name.
QByteArray RecordedAnswer(const char *name);

// A small HTTP/1.1 server on 127.0.0.1 standing in for a web service: each
// request gets the answer of the first route whose text is in its path and
// query (percent-decoded); a route given several answers gives them in turn,
// the last one again and again. Anything else gets a 404.
class RecordedServer : public QObject
{
public:
    RecordedServer();
    QUrl url() const;
    void route(const QString &contains, const QList<Recorded> &answers);
    // The heads of the requests received, in order.
    const QList<QByteArray> &requests() const { return m_requests; }

private:
    void answer(class QTcpSocket *socket);

    QTcpServer m_server;
    QList<std::pair<QString, QList<Recorded>>> m_routes;
    QList<QByteArray> m_requests;
};
