#pragma once

#include "card/IoStatus.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Something printed a step at a time (a page of a list, a card), so that a
// long job shows its progress and can be cancelled between two steps.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    // The document's title.
    virtual QString title() const = 0;
    // Lays the job out for the device it is about to be drawn on.
    virtual void begin(const QPagedPaintDevice &) { }
    virtual int stepCount() const = 0;
    // Draws the step, starting a new page of the device where it needs one:
    // the device is on its first page at the first step.
    virtual void drawStep(QPainter &painter, QPagedPaintDevice &device, int step) = 0;
};

// Told how many steps are done; answers false to cancel.
using PrintProgress = std::function<bool(int done)>;

struct [[nodiscard]] PrintOutcome
{
    bool cancelled = false;
    IoStatus status;
};

// Writes the job as a PDF at the path, at kPdfResolution, whole or not at
// all: a cancelled or failed job leaves the file at the path as it was.
PrintOutcome WritePdf(PrintJob &job, const QString &path, const QPageLayout &layout, const PrintProgress &progress);

// Sends the job to the printer as its dialog set it up.
PrintOutcome PrintOn(PrintJob &job, QPrinter &printer, const PrintProgress &progress);
