#pragma once

#include <QString>

// The outcome of a file operation: empty error text on success, otherwise
// a French sentence naming the file and the reason, ready for the user.
struct [[nodiscard]] IoStatus
{
    QString errorString;

    bool ok() const { return errorString.isEmpty(); }
    static IoStatus success() { return {}; }
    static IoStatus failure(QString text) { return {std::move(text)}; }
};
