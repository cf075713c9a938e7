#include "online/ApiUrl.h"

QUrl ApiUrl(const QUrl &base, const QStringList &pathParts, const QueryItems &query)
{
    QByteArray encoded = base.toEncoded(QUrl::StripTrailingSlash);
    for (const QString &part : pathParts)
        encoded += '/' + QUrl::toPercentEncoding(part, ":");
    char separator = '?';
    for (const auto &[key, value] : query) {
        encoded += separator + QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
        separator = '&';
    }
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
