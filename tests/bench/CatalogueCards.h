#pragma once

#include "card/CardRecord.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

// Cards for trying and measuring the catalogue: each with a 200 × 300 JPEG
// poster of its own colour, a title of its own (every 500th repeats one
// before it, year included, for the duplicates), types and directors
// shared between many.
inline QByteArray CataloguePoster(int i)
{
    QImage image(200, 300, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return jpeg;
}

inline QStringList MakeCatalogueCards(const QString &folder, int count)
{
    static const char *const types[] = {"Drame", "Comédie", "Western", "Science-fiction", "Policier", "Animation"};
    QList<QByteArray> posters;
    for (int i = 0; i < 64; ++i)
        posters << CataloguePoster(i);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const int film = i % 500 == 499 ? i - 250 : i;
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Film numéro %1").arg((film * 7919) % count));
        record.set(CardRecord::Annee, QString::number(1920 + film % 100));
        record.set(CardRecord::DureeH, QStringLiteral(" 1"));
        record.set(CardRecord::DureeMin, QString::number(30 + i % 30));
        record.set(CardRecord::Type, QString::fromUtf8(types[i % 6]));
        record.set(CardRecord::Realisateur, QStringLiteral("Réalisateur %1").arg(i % 300));
        record.set(CardRecord::Acteurs, QStringLiteral("Première Actrice|Second Acteur|"));
        record.set(CardRecord::Resume, QStringLiteral("Un résumé de quelques lignes pour la fiche %1.").arg(i));
        const QString path = QStringLiteral("%1/fiche-%2.fsc").arg(folder).arg(i);
        // Written in place rather than through a file that replaces it:
        // a hundred thousand of them take a while already.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(MakeMarker().Signature + record.bytes() + kSeparator + posters[i % 64]) <= 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        paths << path;
    }
    return paths;
}
