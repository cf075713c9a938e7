#include "print/PrintCommands.h"

#include "card/CardText.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "print/PageMeasures.h"
#include "print/PrintJobs.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

namespace {

// Runs `draw` behind the progress window and reports a failure.
void WithProgress(QWidget *parent, PrintJob &job, const std::function<PrintOutcome(const PrintProgress &)> &draw)
{
    QProgressDialog progress(QStringLiteral("Impression de « %1 »...").arg(job.title()), QStringLiteral("Annuler"), 0,
                             0, parent);
    progress.setWindowTitle(QString::fromLatin1(kAppTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    const PrintOutcome outcome = draw([&](int done) {
        // The job's step count is known once it is laid out for the device.
        progress.setMaximum(job.stepCount());
        progress.setValue(done); // lets the window and "Annuler" answer
        return !progress.wasCanceled();
    });
    progress.close();
    if (!outcome.cancelled && !outcome.status.ok())
        ShowMessage(parent, outcome.status.errorString, MessageButtons::Ok, MessageIcon::Critical);
}

} // namespace

void PrintWithDialog(QWidget *parent, PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    // Without a print system the paper follows the user's country.
    if (printer.printerName().isEmpty())
        printer.setPageLayout(PageLayoutFor(QLocale()));
    printer.setDocName(job.title());
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString path = printer.outputFileName();
        const QPageLayout layout = printer.pageLayout();
        WithProgress(parent, job, [&](const PrintProgress &progress) { return WritePdf(job, path, layout, progress); });
        return;
    }
    WithProgress(parent, job, [&](const PrintProgress &progress) { return PrintOn(job, printer, progress); });
}

QString PdfName(const QString &cardPath, const CardRecord &record)
{
    return cardPath.isEmpty() ? TrimRight(record.text(CardRecord::Titre)) : QFileInfo(cardPath).completeBaseName();
}

void ExportPdfWithDialog(QWidget *parent, PrintJob &job, const QString &proposedName)
{
    const QString path = AskPdfTarget(parent, proposedName);
    if (!path.isEmpty())
        ExportPdfTo(parent, job, path);
}

void ExportPdfTo(QWidget *parent, PrintJob &job, const QString &path)
{
    const QPageLayout layout = PageLayoutFor(QLocale());
    WithProgress(parent, job, [&](const PrintProgress &progress) { return WritePdf(job, path, layout, progress); });
}

void PrintCardFiles(QWidget *parent, const QStringList &paths, const QString &title)
{
    CardFilesJob job(paths, title);
    PrintWithDialog(parent, job);
    if (!job.failures().isEmpty())
        ShowMessage(parent,
                    QStringLiteral("Ces fiches n'ont pu être lues et manquent :\r") + job.failures().join(u'\r'),
                    MessageButtons::Ok, MessageIcon::Warning);
}
