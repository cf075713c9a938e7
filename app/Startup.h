#pragma once

#include <QString>

// The text after the program's name on its command line, all arguments
// together, unsplit.
QString CommandLineText();

// Shows the face the command line asks for: the editor for an empty text,
// otherwise the card it names, quotes removed, in the viewer. Returns once
// the window is shown.
void Main(const QString &commandLine);
