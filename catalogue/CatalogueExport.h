#pragma once

#include "card/IoStatus.h"
#include "catalogue/CatalogueCard.h"
#include "print/ListPages.h"

#include <QByteArray>
#include <QString>

#include <vector>

// One field as RFC 4180 writes it: in double quotes, its own quotes doubled,
// when it holds a comma, a quote or a line break; as it is otherwise.
QString CsvField(const QString &text);

// The cards as CSV: a heading line, then one line per card with the file
// (relative to the folder) and every field of the card, lines ended by
// CR LF; UTF-8 opened by a byte order mark, which spreadsheets need to
// read accents. Actors are separated by ", ".
QByteArray CatalogueCsv(const std::vector<CatalogueCard> &cards, const QString &folder);

// One page that holds everything, thumbnails included (as data: addresses),
// so that it reads offline.
QByteArray CatalogueHtml(const std::vector<CatalogueCard> &cards, const QString &title);

// The cards as the printed list takes them, a damaged one by its file's
// name as "Fiche illisible".
std::vector<PrintRow> PrintRows(const std::vector<CatalogueCard> &cards);

// Writes the file whole or leaves the one at the path as it was.
IoStatus WriteExport(const QString &path, const QByteArray &bytes);

// The export format the chosen path asks for: HTML for ".html" or ".htm",
// PDF for ".pdf", otherwise CSV; ".csv" is added to a name without
// extension.
enum class ExportFormat { Csv, Html, Pdf };
ExportFormat ExportFormatOf(QString &path);
