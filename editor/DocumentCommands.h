#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

class CardDocument;

// What the editor's Save, Save As and Preview do with the card library.
// Failures come back to the command, which tells the user.

// Saves the card to its own file: only its text part while its poster is
// unchanged and the file still a whole card, otherwise the whole card.
IoStatus SaveCard(const CardDocument &document, const CardRecord &record);

// Writes the card at another path; the card's own file stays. An unchanged
// poster comes over from the card's own file as it is.
IoStatus SaveCardAs(const CardDocument &document, const CardRecord &record, const QString &path);

// Shows the card in the viewer without saving it, from a card file written
// in a work folder of its own.
IoStatus PreviewCard(const CardDocument &document, const CardRecord &record);
