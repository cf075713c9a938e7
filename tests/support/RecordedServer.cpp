#include "support/RecordedServer.h"

#include "support/TestFiles.h"

#include <QTcpSocket>

QByteArray RecordedAnswer(const char *name)
{
    return ReadBytes(QStringLiteral(FICHOSCOPE_RECORDED "/") + QLatin1String(name));
}

RecordedServer::RecordedServer()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("cannot listen on 127.0.0.1");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl RecordedServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

void RecordedServer::route(const QString &contains, const QList<Recorded> &answers)
{
    m_routes.append({contains, answers});
}

void RecordedServer::answer(QTcpSocket *socket)
{
    // A TLS hello (a record starting 0x16) gets a plain answer at once, as
    // from a server without TLS.
    const QByteArray seen = socket->peek(socket->bytesAvailable());
    if ((!seen.contains("\r\n\r\n") && !seen.startsWith('\x16')) || socket->property("answered").toBool())
        return;
    const QByteArray head = socket->readAll();
    socket->setProperty("answered", true);
    m_requests.append(head);
    const QString target = QUrl::fromPercentEncoding(head.split(' ').value(1));
    Recorded recorded{404, "{}"};
    for (auto &[contains, answers] : m_routes) {
        if (target.contains(contains)) {
            recorded = answers.size() > 1 ? answers.takeFirst() : answers.first();
            break;
        }
    }
    if (recorded.mode == Recorded::Silent)
        return;
    const QByteArray body = recorded.mode == Recorded::Cut ? recorded.body.left(recorded.body.size() / 2) : recorded.body;
    socket->write("HTTP/1.1 " + QByteArray::number(recorded.status) + " Recorded\r\nContent-Length: "
                  + QByteArray::number(recorded.body.size()) + "\r\nConnection: close\r\n" + recorded.headers + "\r\n"
                  + body);
    socket->disconnectFromHost();
}
