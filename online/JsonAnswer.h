#pragma once

#include <QByteArrayView>
#include <QJsonObject>

#include <optional>

// The answer's top-level JSON object; nothing when it is not one.
std::optional<QJsonObject> JsonObject(QByteArrayView json);
