#include "online/WebFetcher.h"

#include "online/OnlineEndpoints.h"
#include "online/WebIdentity.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QTimer>

namespace {

QString TransportFailure(const QNetworkReply &reply)
{
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Serveur introuvable : pas de réseau, ou nom inconnu (%1).").arg(reply.url().host());
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Le serveur %1 refuse la connexion.").arg(reply.url().host());
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Le serveur a coupé la connexion avant la fin de sa réponse.");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return QStringLiteral("Pas de réseau.");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Échec de la connexion sécurisée (TLS) avec %1.").arg(reply.url().host());
    default: return QStringLiteral("Erreur réseau : %1.").arg(reply.errorString());
    }
}

QString Failure(const QNetworkReply &reply, int status)
{
    if (reply.property("tooLarge").toBool())
        return QStringLiteral("Réponse refusée : plus grande que ce qu'un service envoie.");
    if (reply.property("timedOut").toBool())
        return QStringLiteral("Le serveur %1 ne répond pas (délai dépassé).").arg(reply.url().host());
    if (status == 429) {
        const QByteArray wait = reply.rawHeader("Retry-After").trimmed();
        return wait.isEmpty()
            ? QStringLiteral("Trop de requêtes : le service demande d'attendre.")
            : QStringLiteral("Trop de requêtes : le service demande d'attendre %1 s.").arg(QString::fromLatin1(wait));
    }
    if (status >= 400)
        return QStringLiteral("Le serveur a répondu par une erreur (HTTP %1).").arg(status);
    if (reply.error() != QNetworkReply::NoError)
        return TransportFailure(reply);
    return {};
}

// The seconds a 429 asks to wait when the program waits them, else -1.
int ShortRetryAfter(const QNetworkReply &reply)
{
    bool ok = false;
    const int seconds = reply.rawHeader("Retry-After").trimmed().toInt(&ok);
    return ok && seconds >= 0 && seconds <= kMaxRetryAfterSeconds ? seconds : -1;
}

} // namespace

WebFetcher::WebFetcher(int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

WebFetcher::~WebFetcher()
{
    cancelAll();
}

void WebFetcher::get(const QUrl &url, qint64 maxBytes, Done done, const QByteArray &bearer)
{
    m_queue.push_back({url, maxBytes, bearer, std::move(done)});
    startQueued();
}

void WebFetcher::cancelAll()
{
    ++m_generation;
    m_queue.clear();
    m_waiting = 0;
    const auto replies = std::exchange(m_inFlight, {});
    for (const QPointer<QNetworkReply> &reply : replies) {
        if (!reply)
            continue;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void WebFetcher::startQueued()
{
    while (!m_queue.empty() && m_inFlight.size() + m_waiting < kMaxRequestsInFlight) {
        Request request = std::move(m_queue.front());
        m_queue.pop_front();
        start(std::move(request));
    }
}

void WebFetcher::start(Request request)
{
    QNetworkRequest net(request.url);
    net.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    net.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!request.bearer.isEmpty())
        net.setRawHeader("Authorization", "Bearer " + request.bearer);
    QNetworkReply *reply = m_manager.get(net);
    m_inFlight.append(reply);

    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty("timedOut", true);
        reply->abort();
    });
    timer->start(m_timeoutMs);
    const qint64 maxBytes = request.maxBytes;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, request = std::move(request)]() mutable { finish(reply, std::move(request)); });
}

void WebFetcher::finish(QNetworkReply *reply, Request request)
{
    m_inFlight.removeAll(reply);
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const int wait = status == 429 && !request.retried ? ShortRetryAfter(*reply) : -1;
    if (wait >= 0) {
        request.retried = true;
        ++m_waiting;
        QTimer::singleShot(wait * 1000, this,
                           [this, generation = m_generation, request = std::move(request)]() mutable {
                               if (generation != m_generation)
                                   return;
                               --m_waiting;
                               start(std::move(request));
                           });
        return;
    }
    WebAnswer answer;
    answer.status = status;
    answer.error = Failure(*reply, status);
    if (answer.ok())
        answer.body = reply->readAll();
    const Done done = std::move(request.done);
    startQueued();
    done(answer);
}
