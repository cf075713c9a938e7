#pragma once

#include "card/CardRecord.h"
#include "core/Files.h"

#include <QCollatorSortKey>
#include <QString>

#include <array>
#include <optional>

// What the table works out of a card, kept with it so that after a change in
// the folder only the new cards are worked out again.
struct TableKeys
{
    int search = 0; // the search that `matches` answers, by its number
    bool matches = false;
    std::optional<QCollatorSortKey> title;
    int column = -1; // the column that `text` or `number` was made for
    std::optional<QCollatorSortKey> text;
    int number = -1;
};

// One card of a catalogue as the table needs it: the text part only, never
// the poster, and what tells a changed file from the one already read.
struct CatalogueCard
{
    QString path;          // absolute
    bool readable = false; // false: a damaged or foreign file, shown by name
    qint64 modified = 0;   // milliseconds since the epoch
    qint64 size = 0;
    // False for a card that vanished or was cut short while it was read,
    // as one being written is: it is read again at the next look.
    bool settled = true;
    TableKeys keys;

    // Keeps the record's fields without their padding: a few hundred bytes a
    // card rather than 1168, for catalogues of many thousands.
    void setRecord(const CardRecord &record);
    // The field as stored, without its trailing spaces.
    QByteArrayView bytes(CardRecord::Field field) const;
    // The record as stored: the fields padded again.
    CardRecord record() const;
    QString text(CardRecord::Field field) const;
    // The title, or the file name of a damaged card.
    QString title() const;
    // "1h57", as the viewer writes it; empty when neither part is filled.
    QString duration() const;
    // Numbers for sorting; -1 when the card holds none.
    int year() const;
    int minutes() const;

    // The fields one after another, each ending where its end says.
    QByteArray fields;
    std::array<quint16, CardRecord::FieldCount> fieldEnds{};
};

// Reads the marker and the record of the file (1175 bytes at most), its date
// and its size asked of the file opened, in one read. A file that does not
// begin with the marker or cannot be read is kept as damaged.
CatalogueCard ReadCatalogueCard(const QString &absolutePath);

inline constexpr char kUnreadableCard[] = "Fiche illisible";
