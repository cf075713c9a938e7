#pragma once

#include "card/CardRecord.h"
#include "print/PrintJob.h"

#include <QStringList>

class QWidget;

// What the menus call: Qt's dialogs, the job drawn behind a progress window
// with "Annuler" shown after half a second, and a French message when the
// job fails.

// Qt's print dialog, then the job on the printer. Printing to a file writes
// the PDF whole or not at all.
void PrintWithDialog(QWidget *parent, PrintJob &job);

// The name proposed for a card's PDF: its file's, without the extension,
// or its title for a card never saved.
QString PdfName(const QString &cardPath, const CardRecord &record);

// The file dialog in the documents folder, the name proposed with ".pdf",
// then the PDF.
void ExportPdfWithDialog(QWidget *parent, PrintJob &job, const QString &proposedName);

// The PDF at a path the user chose already.
void ExportPdfTo(QWidget *parent, PrintJob &job, const QString &path);

// Card files one per page through the print dialog; the files that could
// not be read are named afterwards.
void PrintCardFiles(QWidget *parent, const QStringList &paths, const QString &title);
