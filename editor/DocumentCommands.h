#pragma once

#include "card/IoStatus.h"
#include "card/CardReader.h"

#include <QString>

class frmMain;

// The procedures behind the editor's document commands: they read and
// write the card on screen. Failures come back to the command, which tells
// the user.

// Empties the editor for a new card; "End" only removes the reset copy of
// the opened card's poster, as the editor closes.
void ResetCard(frmMain &editor, const QString &Mode);

// Reads a card file into the emptied editor and keeps a copy of its poster
// for Reset.
CardReadResult OpenCardInEditor(frmMain &editor, const QString &path);

// Keeps the poster of the card being opened, extracted into workFolder, in
// a reset-copy folder of its own.
void KeepPosterCopy(frmMain &editor, const QString &workFolder);

enum class SaveOutcome { Saved, Cancelled, Failed };

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::Cancelled;
    QString path;        // where the card was written
    QString errorString; // why it was not
};

// Asks where to save the new card and writes it there.
SaveResult SaveNewCard(frmMain &editor);
// Saves the card to its own file: only its text part while its poster is
// unchanged, otherwise the whole card.
SaveResult SaveCard(frmMain &editor);
// Writes the whole card anew at the path, with the poster on screen.
IoStatus SaveCardTo(frmMain &editor, const QString &path);
// Rewrites only the text part of the card file at the path.
IoStatus SaveCardHeader(frmMain &editor, const QString &path);
// Asks for another path and writes the card there; the card's own file stays.
SaveResult SaveCardAs(frmMain &editor);

// Shows the card on screen in the viewer without saving it.
IoStatus PreviewCard(frmMain &editor);

// The picture file of the poster on screen; empty for none.
QString PosterShown(const frmMain &editor);
