// Feeds arbitrary card files along the road of a poster into the viewer:
// the reader, the picture loaded within the memory limit, and the layout.
#include "app/ImageLimits.h"
#include "app/PictureLoader.h"
#include "card/CardReader.h"
#include "viewer/ViewerLayout.h"
#include "viewer/ViewerText.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    LimitImageAllocation();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("card.fsc"));
    QFile::remove(dir.filePath(QStringLiteral("fsc_img.tmp")));
    QFile file(card);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();
    const CardReadResult read = ReadCardFile(card, dir.path());
    if (!read.ok())
        return 0;

    const QString posterFile = SetViewerPoster(dir.path());
    Check(posterFile.isEmpty() == !read.hasPoster);
    const QImage poster = posterFile.isEmpty() ? QImage() : LoadPicture(posterFile);
    Check(poster.isNull() || FitsImageAllocation(poster.size()));
    std::optional<TwipsSize> natural; // 15 twips a pixel
    if (!poster.isNull())
        natural = TwipsSize{poster.width() * 15.f, poster.height() * 15.f};
    // Captions measured without a font: 90 twips a character, 195 a line.
    const ViewerCaptions captions = FillViewerLabels(read.record);
    ViewerGeometry start = ViewerStartGeometry();
    start[ViewerLabel::lblResume].width = 90.f * float(captions.resume.size());
    start[ViewerLabel::lblRealisateur].width = 90.f * float(captions.realisateur.size());
    const ViewerGeometry g = PositionsLoad(start, natural, [&](ViewerLabel, float width) {
        Check(width > 0);
        return 195.f * (1 + 90.f * float(captions.resume.size()) / width);
    });
    Check(g.windowHeight > 0 && g.windowHeight <= 32767 && g.imgAffiche.height <= 32767);
    Check(g.posterShown == (natural && g.imgAffiche.width == 1935));
    return 0;
}
