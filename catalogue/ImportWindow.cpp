#include "catalogue/ImportWindow.h"

#include "catalogue/CatalogueExport.h"
#include "import/CardFileName.h"
#include "import/ImportRun.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <atomic>

// Between the import's thread and the window: the count goes to the window
// by queued calls, "Annuler" comes back through the flag.
struct ImportFollower : ImportProgress
{
    ImportWindow *window = nullptr; // lives until the import has ended
    std::atomic<bool> cancel = false;
    int films = 0;

    void started(int count) override { films = count; }
    void filmDone(int done, const QString &) override
    {
        QMetaObject::invokeMethod(
            window, [window = window, done, films = films] { window->showProgress(done, films); },
            Qt::QueuedConnection);
    }
    bool cancelled() const override { return cancel; }
};

ImportWindow::ImportWindow(const QString &collectionPath, const QString &folder, QWidget *parent)
    : QDialog(parent)
    , m_collection(collectionPath)
    , m_follower(std::make_shared<ImportFollower>())
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Importer « %1 »").arg(QFileInfo(collectionPath).fileName()));
    auto *layout = new QVBoxLayout(this);
    lblEtat = new QLabel(QStringLiteral("Lecture de la collection..."), this);
    lblEtat->setWordWrap(true);
    barProgression = new QProgressBar(this);
    barProgression->setRange(0, 0);
    barProgression->setAccessibleName(QStringLiteral("Fiches écrites"));
    txtRapport = new QPlainTextEdit(this);
    txtRapport->setReadOnly(true);
    txtRapport->setAccessibleName(QStringLiteral("Rapport d'importation"));
    txtRapport->hide();
    auto *buttons = new QDialogButtonBox(this);
    cmdEnregistrer = buttons->addButton(QStringLiteral("&Enregistrer le rapport..."), QDialogButtonBox::ActionRole);
    cmdEnregistrer->hide();
    cmdAnnuler = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    layout->addWidget(lblEtat);
    layout->addWidget(barProgression);
    layout->addWidget(txtRapport, 1);
    layout->addWidget(buttons);
    resize(560, 160);

    connect(cmdAnnuler, &QPushButton::clicked, this, &ImportWindow::reject);
    connect(cmdEnregistrer, &QPushButton::clicked, this, &ImportWindow::saveReport);
    connect(&m_watcher, &QFutureWatcher<ImportReport>::finished, this, &ImportWindow::showReport);
    m_follower->window = this;
    m_watcher.setFuture(QtConcurrent::run(
        [follower = m_follower, collectionPath, folder] { return RunImport(collectionPath, folder, *follower); }));
}

ImportWindow::~ImportWindow()
{
    // The cards written so far stay; the one being written is finished.
    m_follower->cancel = true;
    m_watcher.waitForFinished();
}

void ImportWindow::reject()
{
    if (m_watcher.isRunning()) {
        m_follower->cancel = true;
        cmdAnnuler->setEnabled(false);
        return;
    }
    QDialog::reject();
}

void ImportWindow::showProgress(int done, int films)
{
    barProgression->setRange(0, films);
    barProgression->setValue(done);
    lblEtat->setText(QStringLiteral("Fiche %1 sur %2").arg(done).arg(films));
}

void ImportWindow::showReport()
{
    m_report = m_watcher.result();
    const bool read = m_report.status != ImportReport::Status::Unreadable;
    const QString heading = !read                            ? QStringLiteral("Importation impossible")
        : m_report.status == ImportReport::Status::Cancelled ? QStringLiteral("Importation annulée")
                                                             : QStringLiteral("Importation terminée");
    lblEtat->setText(
        QStringLiteral("<b>%1</b><br>%2<br>%3")
            .arg(heading, SummaryLine(m_report).toHtmlEscaped(),
                 read ? QStringLiteral("Dans « %1 »").arg(QDir::toNativeSeparators(m_report.folder)).toHtmlEscaped()
                      : QString()));
    barProgression->hide();
    txtRapport->setPlainText(FilmLines(m_report).join(u'\n'));
    txtRapport->setVisible(!m_report.changed.isEmpty());
    cmdEnregistrer->setVisible(read);
    cmdAnnuler->setText(QStringLiteral("Fermer"));
    cmdAnnuler->setEnabled(true);
    if (!m_report.changed.isEmpty())
        resize(width(), 420);
    emit importEnded();
}

QString ImportWindow::reportText() const
{
    QStringList lines{QStringLiteral("Importation de « %1 » dans « %2 »")
                          .arg(QDir::toNativeSeparators(m_collection), QDir::toNativeSeparators(m_report.folder))};
    lines << FilmLines(m_report) << SummaryLine(m_report);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void ImportWindow::saveReport()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Enregistrer le rapport");
    request.filters = {{QStringLiteral("Texte (*.txt)"), QStringLiteral("*.txt")}};
    request.startFolder = m_report.folder;
    request.initialName = QStringLiteral("Rapport d'importation.txt");
    request.choice = FileChoice::SaveTarget;
    const QString path = CurrentDesktop().chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (const IoStatus written = WriteExport(path, reportText().toUtf8()); !written.ok())
        ShowMessage(this, written.errorString, MessageButtons::Ok, MessageIcon::Critical);
}

ImportWindow *ImportCollection(QWidget *parent, const QString &catalogueFolder)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Importer une collection");
    request.filters = {
        {QStringLiteral("Collections de films (*.tc *.gcs *.xml *.csv)"), QStringLiteral("*.tc;*.gcs;*.xml;*.csv")},
        {QStringLiteral("Tous les fichiers (*.*)"), QStringLiteral("*.*")}};
    request.startFolder = SpecialFolderPath(SpecialFolder::Documents);
    const QString collection = CurrentDesktop().chooseFile(parent, request);
    if (collection.isEmpty())
        return nullptr;
    const QString folder = QDir(catalogueFolder).filePath(FreeFolderName(catalogueFolder, collection));
    auto *window = new ImportWindow(collection, folder, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
