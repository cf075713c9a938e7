#include "catalogue/CatalogueExport.h"

#include "card/CardFileIo.h"
#include "card/CardText.h"
#include "poster/PosterThumbnail.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

namespace {

constexpr int kHtmlThumbnail = 96;

QString Actors(const CatalogueCard &card)
{
    return SplitActors(card.text(CardRecord::Acteurs)).join(QStringLiteral(", "));
}

QString ThumbnailAddress(const QString &cardPath)
{
    const QImage image = CardThumbnail(cardPath, kHtmlThumbnail);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "JPEG", 85))
        return {};
    return QStringLiteral("data:image/jpeg;base64,") + QString::fromLatin1(jpeg.toBase64());
}

QString Cell(const QString &text)
{
    return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

} // namespace

QString CsvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray CatalogueCsv(const std::vector<CatalogueCard> &cards, const QString &folder)
{
    using F = CardRecord;
    const QDir base(folder);
    QString csv = QStringLiteral("\uFEFFFichier,Titre,Année,Heures,Minutes,Type,Réalisateur,Acteurs,Résumé\r\n");
    for (const CatalogueCard &card : cards) {
        QStringList fields{base.relativeFilePath(card.path)};
        if (card.readable)
            fields << card.text(F::Titre) << card.text(F::Annee) << card.text(F::DureeH).trimmed()
                   << card.text(F::DureeMin).trimmed() << card.text(F::Type) << card.text(F::Realisateur)
                   << Actors(card) << card.text(F::Resume);
        else
            fields << QString::fromLatin1(kUnreadableCard) << QString() << QString() << QString() << QString()
                   << QString() << QString() << QString();
        for (QString &field : fields)
            field = CsvField(field);
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

QByteArray CatalogueHtml(const std::vector<CatalogueCard> &cards, const QString &title)
{
    using F = CardRecord;
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\"><title>%1</title>\n"
            "<style>body{font-family:sans-serif}table{border-collapse:collapse}td,th{border:1px solid #ccc;"
            "padding:4px;vertical-align:top}td:last-child{white-space:pre-line}</style></head><body>\n"
            "<h1>%1</h1>\n<table>\n<tr><th>Affiche</th><th>Titre</th><th>Année</th><th>Durée</th><th>Type</th>"
            "<th>Réalisateur</th><th>Acteurs</th><th>Résumé</th></tr>\n")
            .arg(title.toHtmlEscaped());
    for (const CatalogueCard &card : cards) {
        html += QStringLiteral("<tr><td>");
        if (const QString address = card.readable ? ThumbnailAddress(card.path) : QString(); !address.isEmpty())
            html += QStringLiteral("<img alt=\"\" src=\"") + address + QStringLiteral("\">");
        html += QStringLiteral("</td>") + Cell(card.title());
        if (card.readable)
            html += Cell(card.text(F::Annee)) + Cell(card.duration()) + Cell(card.text(F::Type))
                + Cell(card.text(F::Realisateur)) + Cell(Actors(card)) + Cell(card.text(F::Resume));
        else
            html +=
                QStringLiteral("<td colspan=\"6\">") + QString::fromLatin1(kUnreadableCard) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n</body></html>\n");
    return html.toUtf8();
}

std::vector<PrintRow> PrintRows(const std::vector<CatalogueCard> &cards)
{
    std::vector<PrintRow> rows;
    rows.reserve(cards.size());
    for (const CatalogueCard &card : cards) {
        PrintRow &row = rows.emplace_back(PrintRow{card.path, {}});
        if (!card.readable) {
            row.record.set(CardRecord::Titre, card.title());
            row.record.set(CardRecord::Type, QString::fromLatin1(kUnreadableCard));
            continue;
        }
        for (int field = 0; field < CardRecord::FieldCount; ++field)
            row.record.set(CardRecord::Field(field), card.text(CardRecord::Field(field)));
    }
    return rows;
}

IoStatus WriteExport(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return IoStatus::failure(CannotWrite(file));
    return IoStatus::success();
}

ExportFormat ExportFormatOf(QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ExportFormat::Html;
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix.isEmpty())
        path += QStringLiteral(".csv");
    return ExportFormat::Csv;
}
