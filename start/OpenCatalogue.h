#pragma once

#include <QString>

class CatalogueWindow;
class frmMain;

// Shows the catalogue of the folder, its subfolders included, whose
// "Modifier" opens a card in a new editor; returns the window once it is on
// screen.
CatalogueWindow *OpenCatalogue(const QString &folder);

// The editor's "Catalogue..." command: asks for a folder and shows its
// catalogue.
void ConnectCatalogueCommand(frmMain &editor);
