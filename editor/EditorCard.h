#pragma once

#include "card/CardRecord.h"

#include <QString>

class frmMain;

// Moving a card between the editor's controls and its record.

// The record of the card on screen.
CardRecord CollectCard(frmMain &editor);
// The actors list as stored: every name followed by "|". Each name is made
// the current entry in turn, so the last one stays selected.
QString JoinActors(frmMain &editor);
// Sets the controls from the record; every box runs its change handling.
// The actors are added to the list as it stands.
void FillEditorFields(frmMain &editor, const CardRecord &card);
// Adds the names of a stored actors text to the list.
void SplitActors(frmMain &editor, const QString &stored);
