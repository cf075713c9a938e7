#pragma once

#include "film/Film.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A film as a collection holds it, with where its poster is: an image's id
// or a path, as the collection writes it; empty for none.
struct ImportedFilm
{
    Film film;
    QString poster;
};

using FilmSink = std::function<void(ImportedFilm &&)>;
// A picture the collection carries inside its document, by its id.
using ImageSink = std::function<void(const QString &id, QByteArray &&bytes)>;
