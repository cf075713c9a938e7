// Prints arbitrary files as cards, one per page and as a list, to PDF: the
// texts and posters of any file must give a whole PDF, never a crash.
#include "FuzzCheck.h"
#include "card/CardRecord.h"
#include "poster/ImageLimits.h"
#include "print/PageMeasures.h"
#include "print/PrintJobs.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// A PDF written whole: its header, and its trailer at the end.
void CheckPdf(PrintJob &job, const QString &path)
{
    const PrintOutcome outcome = WritePdf(job, path, PageLayoutFor(QLocale::c()), [](int) { return true; });
    Check(outcome.status.ok() && !outcome.cancelled);
    QFile pdf(path);
    Check(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    Check(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_print";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's thread storage is gone before statics.
    static const QGuiApplication *app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
    static QTemporaryDir dir;
    static const bool limited = (LimitImageAllocation(), true);
    Q_UNUSED(limited);

    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString card = dir.filePath(QStringLiteral("card.fsc"));
    QFile file(card);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(input) == input.size());
    file.close();

    CardFilesJob pages({card}, QStringLiteral("Fiches"));
    CheckPdf(pages, dir.filePath(QStringLiteral("pages.pdf")));
    Check(pages.failures().isEmpty() == input.startsWith("@FCHSC@"));

    ListJob list({{card, CardRecord::fromBytes(input.mid(7))}},
                 {QStringLiteral("Liste"), QDate(2026, 12, 7), QStringLiteral("1 fiche"), {}});
    CheckPdf(list, dir.filePath(QStringLiteral("list.pdf")));
    return 0;
}
