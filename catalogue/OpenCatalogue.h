#pragma once

#include <QString>

class QWidget;
class frmMain;

// Shows the catalogue of the folder, its subfolders included, and returns
// once the window is on screen.
void OpenCatalogue(const QString &folder);

// The editor's "Catalogue..." command: asks for a folder and shows its
// catalogue.
void ConnectCatalogueCommand(frmMain &editor);

// Opens the card in a new editor window, whose "Catalogue..." works too.
void OpenInEditor(const QString &cardPath);
