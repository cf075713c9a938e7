#pragma once

#include <QString>
#include <QStringList>

// A film as a source describes it, before it is fitted to a card.
struct Film
{
    QString title{};         // French title where the source has one
    QString originalTitle{}; // taken when title is empty
    int year = 0;            // year of first release; 0 when unknown
    int minutes = 0;         // running time; 0 when unknown
    QStringList genres{};    // the first one fills "Type"
    QStringList directors{};
    QStringList cast{}; // in billing order
    QString summary{};  // plain text, any line breaks
};
