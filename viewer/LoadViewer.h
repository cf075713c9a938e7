#pragma once

#include <QString>

// Shows the card read-only in the viewer and returns once the window is on
// screen. A missing or foreign card is reported ("Fichier introuvable",
// "Fichier incorrect"), as is one that cannot be read; returns false then,
// and every other window stays as it was.
bool LoadViewer(const QString &cardPath);
