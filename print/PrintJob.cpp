#include "print/PrintJob.h"

#include "card/CardFileIo.h"
#include "print/PageMeasures.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// Draws every step, false when the user cancelled.
bool DrawSteps(PrintJob &job, QPainter &painter, QPagedPaintDevice &device, const PrintProgress &progress)
{
    job.begin(device);
    for (int step = 0; step < job.stepCount(); ++step) {
        job.drawStep(painter, device, step);
        if (!progress(step + 1))
            return false;
    }
    return true;
}

} // namespace

PrintOutcome WritePdf(PrintJob &job, const QString &path, const QPageLayout &layout, const PrintProgress &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, IoStatus::failure(CannotWrite(file))};
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(job.title());
    writer.setCreator(QStringLiteral("Fichoscope"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {false, IoStatus::failure(CannotWrite(file))};
    const bool drawn = DrawSteps(job, painter, writer, progress);
    painter.end();
    if (!drawn)
        return {true, {}};
    // Flushed first: commit() alone takes in a file whose last bytes failed.
    if (!file.flush() || !file.commit())
        return {false, IoStatus::failure(CannotWrite(file))};
    return {};
}

PrintOutcome PrintOn(PrintJob &job, QPrinter &printer, const PrintProgress &progress)
{
    printer.setDocName(job.title());
    QPainter painter;
    if (!painter.begin(&printer))
        return {false,
                IoStatus::failure(QStringLiteral("Impossible d'imprimer sur « %1 ».").arg(printer.printerName()))};
    if (!DrawSteps(job, painter, printer, progress)) {
        printer.abort();
        return {true, {}};
    }
    painter.end();
    return {};
}
