#include "print/CardPage.h"

#include "card/CardText.h"
#include "platform/Fonts.h"
#include "poster/PosterPicture.h"
#include "print/PageMeasures.h"
#include "print/TextFlow.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

using F = CardRecord::Field;

// The poster's box at the right of the flow's current line: 9 cm wide at
// most, leaving the text two fifths of the width, no taller than the page
// leaves, its proportions kept.
QRect PosterBox(QSize natural, const TextFlow &flow, const QPagedPaintDevice &device)
{
    QSizeF box(std::min(MmToPixels(kPosterMaxWidthMm, device), flow.width() * 0.6), device.height() - flow.top());
    box = QSizeF(natural).scaled(box, Qt::KeepAspectRatio);
    const QSize size = box.toSize(); // rounded, as printers count dots
    return QRect(flow.width() - size.width(), flow.top(), size.width(), size.height());
}

// The picture at the box's size in device pixels, never past its own.
QImage DecodedFor(const PosterPicture &poster, QSize box)
{
    return poster.decoded(poster.size().width() > box.width() ? box : poster.size());
}

void DrawPoster(QPainter &painter, QPagedPaintDevice &device, TextFlow &flow, const QByteArray &bytes)
{
    const PosterPicture poster = PosterPicture::fromBytes(bytes);
    if (poster.isNull())
        return;
    const QRect box = PosterBox(poster.size(), flow, device);
    const QImage image = box.isEmpty() ? QImage() : DecodedFor(poster, box.size());
    if (image.isNull())
        return;
    painter.drawImage(box, image);
    flow.setAside(box.adjusted(-qRound(MmToPixels(kPosterGapMm, device)), 0, 0, 0));
}

} // namespace

void DrawCardPage(QPainter &painter, QPagedPaintDevice &device, const PrintedCard &card)
{
    const CardRecord &record = card.record;
    TextFlow flow(painter, device);
    const QFont text = SansSerif(kCardTextPoints);
    const QFont bold = BoldSansSerif(kCardTextPoints);
    flow.paragraph(TrimRight(record.text(F::Titre)), BoldSansSerif(kCardTitlePoints));
    flow.skip(qRound(MmToPixels(4, device)));
    DrawPoster(painter, device, flow, card.poster);

    const auto field = [&](const char *caption, const QString &value) {
        if (value.isEmpty())
            return;
        const QString label = QString::fromUtf8(caption);
        flow.paragraph(label + u' ' + value, text, bold, int(label.size()));
    };
    field("Année :", record.text(F::Annee).trimmed());
    field("Durée :", RunningTimeText(record.text(F::DureeH), record.text(F::DureeMin)));
    field("Type :", TrimRight(record.text(F::Type)));
    field("Réalisateur :", TrimRight(record.text(F::Realisateur)));
    field("Acteurs :", SplitActors(record.text(F::Acteurs)).join(QStringLiteral(", ")));

    QString summary = SummaryForEditor(TrimRight(record.text(F::Resume))).trimmed();
    summary.replace(u'\r', u'\n'); // a lone carriage return breaks the line too, as in the viewer
    if (summary.isEmpty())
        return;
    flow.skip(qRound(MmToPixels(2, device)));
    flow.paragraph(QStringLiteral("Résumé :"), bold);
    for (const QString &line : summary.split(u'\n'))
        flow.paragraph(line, text);
}
