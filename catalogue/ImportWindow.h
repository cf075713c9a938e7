#pragma once

#include "import/ImportReport.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
struct ImportFollower;

// "Importer...": a collection's films written as cards into a new folder of
// the catalogue's folder, named after the file. The window shows the count
// as the cards are written, off the interface thread, with "Annuler"
// (the cards written stay); then "Importation terminée" with the counts,
// the films changed or skipped, and "Enregistrer le rapport...".
class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    ImportWindow(const QString &collectionPath, const QString &folder, QWidget *parent = nullptr);
    ~ImportWindow() override;

    QLabel *lblEtat = nullptr;
    QProgressBar *barProgression = nullptr;
    QPlainTextEdit *txtRapport = nullptr;
    QPushButton *cmdAnnuler = nullptr;
    QPushButton *cmdEnregistrer = nullptr;

    const ImportReport &report() const { return m_report; }
    void showProgress(int done, int films);

signals:
    // The report is shown.
    void importEnded();

protected:
    void reject() override;

private:
    void showReport();
    void saveReport();
    QString reportText() const;

    QString m_collection;
    std::shared_ptr<ImportFollower> m_follower;
    QFutureWatcher<ImportReport> m_watcher;
    ImportReport m_report;
};

// Asks for the collection file, then opens the import window for a new
// folder inside the catalogue's folder. Returns the window, or null when the
// user chose no file.
ImportWindow *ImportCollection(QWidget *parent, const QString &catalogueFolder);
