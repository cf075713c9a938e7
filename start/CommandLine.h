#pragma once

#include <QStringList>

#include <optional>

// The forms of the command line that run without a window. They are
// recognised only as the first argument, spelled exactly: otherwise the
// whole text after the program's name stays one card or folder path.
bool IsWindowlessCommand(const QStringList &arguments);

// Runs "--import FICHIER DOSSIER" or "--help" (arguments after the
// program's name) and returns the exit status: for an import 0 when every
// film became a card, 1 when some were skipped, 2 when the file cannot be
// read (nothing is then written) or the arguments are wrong.
int RunWindowlessCommand(const QStringList &arguments);
