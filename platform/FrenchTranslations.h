#pragma once

class QCoreApplication;

// Qt's own texts (Oui, Non, Annuler, the file dialog) in French, whatever
// the system language: the whole interface is French.
void InstallFrenchTranslations(QCoreApplication &app);
