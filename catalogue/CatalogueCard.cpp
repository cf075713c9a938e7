#include "catalogue/CatalogueCard.h"

#include "card/CardHeader.h"
#include "card/CardText.h"

#include <QFile>
#include <QFileInfo>

QString CatalogueCard::text(CardRecord::Field field) const
{
    return TrimRight(record.text(field));
}

QString CatalogueCard::title() const
{
    return readable ? text(CardRecord::Titre) : QFileInfo(path).fileName();
}

QString CatalogueCard::duration() const
{
    const QString hours = record.text(CardRecord::DureeH).trimmed();
    const QString minutes = record.text(CardRecord::DureeMin).trimmed();
    if (hours.isEmpty() && minutes.isEmpty())
        return {};
    return hours + u'h' + minutes;
}

int CatalogueCard::year() const
{
    bool ok = false;
    const int value = record.text(CardRecord::Annee).trimmed().toInt(&ok);
    return ok ? value : -1;
}

int CatalogueCard::minutes() const
{
    const QString hours = record.text(CardRecord::DureeH).trimmed();
    const QString minutes = record.text(CardRecord::DureeMin).trimmed();
    if (hours.isEmpty() && minutes.isEmpty())
        return -1;
    bool hoursOk = true;
    bool minutesOk = true;
    const int h = hours.isEmpty() ? 0 : hours.toInt(&hoursOk);
    const int m = minutes.isEmpty() ? 0 : minutes.toInt(&minutesOk);
    return hoursOk && minutesOk ? h * 60 + m : -1;
}

CatalogueCard ReadCatalogueCard(const QString &absolutePath)
{
    CatalogueCard card;
    card.path = absolutePath;
    QFile in(card.path);
    if (!in.open(QIODevice::ReadOnly))
        return card;
    // Asked of the open file, which costs less than asking by path.
    card.modified = in.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    card.size = in.size();
    // A card cut inside its text part reads as the viewer reads it: the
    // rest is spaces.
    const CardHeader header = ReadCardHeader(in);
    card.record = header.record;
    card.readable = header.ok();
    return card;
}
