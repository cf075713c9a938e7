#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

using QueryItems = QList<std::pair<QString, QString>>;

// The base address followed by the path and the query, each part of the
// path and each value percent-encoded whole, so that a title's "/" or a
// search's "+" reaches the service as typed.
QUrl ApiUrl(const QUrl &base, const QStringList &pathParts, const QueryItems &query = {});
