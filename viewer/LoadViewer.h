#pragma once

#include <QString>

// What a card that cannot be shown does to the program: from the command
// line the program ends after the message; from the editor it goes on.
enum class OnCardError { EndProgram, KeepRunning };

// Shows the card read-only in the viewer and returns once the window is on
// screen. A missing or foreign card is reported ("Fichier introuvable",
// "Fichier incorrect"), as is one that cannot be read; returns false then.
bool LoadViewer(const QString &cardPath, OnCardError onError = OnCardError::EndProgram);
