#pragma once

#include "platform/Desktop.h"

// Every file the user picks: the card to open, the path to save a card to,
// the poster picture and the PDF to export.

enum class SpecialFolder { Desktop = 0, Documents = 5, Pictures = 0x27 };

QList<FileFilter> CardFilters();
QList<FileFilter> PictureFilters();

// The folder's path ending with "/", or empty when it has none.
QString SpecialFolderPath(SpecialFolder folder);

// The proposed name: the extension appended unless it already ends so (in
// any case), cut to what a file dialog takes.
QString InitialFileName(const QString &defaultName, const QString &extension = QStringLiteral(".fsc"));

// The file dialog: the chosen path without surrounding spaces, or empty
// when the user cancelled.
QString ShowFileDialog(QWidget *parent, const QString &title, const QList<FileFilter> &filters,
                       SpecialFolder startFolder, FileChoice choice, const QString &defaultName = {},
                       const QString &extension = QStringLiteral(".fsc"));

// Adds ".fsc" unless the file name already ends with a dot and three
// characters; a dot in a folder name does not count.
QString WithCardExtension(const QString &path);

// Asks where to save a card: the dialog in the documents folder, then
// "Le fichier existe déjà. Le remplacer ?" for an existing file, No asking
// again. Empty when the user cancelled.
QString AskSaveTarget(QWidget *parent, const QString &defaultName);
// The same for a PDF: "Documents PDF (*.pdf)", ".pdf" added unless the
// name ends so.
QString AskPdfTarget(QWidget *parent, const QString &defaultName);

inline constexpr char kCardDialogTitle[] = "Fichier à enregistrer";
