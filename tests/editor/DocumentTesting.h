#pragma once

#include "EditorTesting.h"

#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

// A JPEG picture of the size, in one colour; returns its bytes.
inline QByteArray MakePicture(const QString &path, int width, int height, Qt::GlobalColor colour = Qt::darkRed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(path, "JPG"))
        qFatal("cannot write %s", qPrintable(path));
    return ReadBytes(path);
}

// Only the title set: the fields a new card typed with a title alone has.
inline CardFields TitleOnly(const QByteArray &title)
{
    CardFields fields;
    fields.titre = title;
    fields.annee = fields.heures = fields.minutes = fields.type = fields.realisateur = fields.acteurs =
        fields.resume = QByteArray();
    return fields;
}

// The work folders lying beside the program (the tests' own folder).
inline QStringList WorkFoldersLeft()
{
    return WorkFoldersIn(QCoreApplication::applicationDirPath());
}
