#pragma once

#include <QString>

// The card library's one status: what became of reading or writing a card
// file. On failure the error text is a French sentence ready for the user.
struct [[nodiscard]] IoStatus
{
    enum Code {
        Ok,
        MissingFile, // nothing at the path, an empty path or a folder
        NotACard,    // the file does not begin with the card marker
        Failed,      // the file could not be read or written
    };

    Code code = Ok;
    QString errorString;

    bool ok() const { return code == Ok; }
    static IoStatus success() { return {}; }
    static IoStatus failure(QString text) { return {Failed, std::move(text)}; }
    static IoStatus missingFile() { return {MissingFile, QStringLiteral("Fichier introuvable")}; }
    static IoStatus notACard() { return {NotACard, QStringLiteral("Fichier incorrect")}; }
};
