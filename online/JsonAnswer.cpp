#include "online/JsonAnswer.h"

#include <QJsonDocument>

std::optional<QJsonObject> JsonObject(QByteArrayView json)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromRawData(json.data(), json.size()));
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}
