// Feeds arbitrary card files along the path a poster takes into the viewer:
// the card reader, the picture loaded within the memory limit, the layout
// worked out in memory and the poster scaled to its place.
#include "app/ImageLimits.h"
#include "app/PictureLoader.h"
#include "app/Twips.h"
#include "card/CardReader.h"
#include "viewer/ViewerLayout.h"
#include "viewer/ViewerText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// 96 DPI, and a caption's size guessed from its characters in place of a
// font: an average character 90 twips wide, a line 195 twips high.
constexpr float kTwipsPerPixel = 15;
constexpr float kCharWidth = 90;
constexpr float kLineHeight = 195;
constexpr float kMaxTwips = 32767;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

TwipsSize CaptionSize(const QString &caption)
{
    const QStringList lines = caption.split(u'\r');
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, line.size());
    return {float(longest) * kCharWidth, float(lines.size()) * kLineHeight};
}

ViewerGeometry StartFor(const ViewerCaptions &captions)
{
    ViewerGeometry start = ViewerStartGeometry();
    using enum ViewerLabel;
    const std::pair<ViewerLabel, const QString *> filled[] = {
        {lblAnnee, &captions.annee},   {lblDuree, &captions.duree},
        {lblType, &captions.type},     {lblRealisateur, &captions.realisateur},
        {lblActeurs, &captions.acteurs}, {lblResume, &captions.resume},
    };
    for (const auto &[label, caption] : filled) {
        const TwipsSize size = CaptionSize(*caption);
        start[label].width = size.width;
        start[label].height = size.height;
    }
    return start;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    LimitImageAllocation();
    SetTwipsDpi(96);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("card.fsc"));
    const QString work = dir.filePath(QStringLiteral("work"));
    QDir(work).removeRecursively();
    QDir().mkpath(work);
    {
        QFile file(card);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
              && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    const CardReadResult read = ReadCardFile(card, work);
    if (!read.ok())
        return 0;

    const ViewerCaptions captions = FillViewerLabels(read.record);
    const QString posterFile = SetViewerPoster(work);
    Check(posterFile.isEmpty() == !read.hasPoster);
    const QImage poster = posterFile.isEmpty() ? QImage() : LoadPicture(posterFile);
    Check(poster.isNull() || FitsImageAllocation(poster.size()));

    std::optional<TwipsSize> natural;
    if (!poster.isNull())
        natural = TwipsSize{float(poster.width()) * kTwipsPerPixel, float(poster.height()) * kTwipsPerPixel};
    const ViewerGeometry g = PositionsLoad(StartFor(captions), natural, [](ViewerLabel, float width) {
        Check(width > 0);
        return kLineHeight * std::ceil(kCharWidth * 500 / width);
    });

    Check(g.windowHeight > 0 && g.windowHeight <= kMaxTwips);
    Check(g.posterShown == (natural.has_value() && g.imgAffiche.width == 1935));
    Check(g.imgAffiche.height >= 0 && g.imgAffiche.height <= kMaxTwips);
    if (g.posterShown) {
        const QSize shown = TwipsRect(g.imgAffiche.left, g.imgAffiche.top, g.imgAffiche.width, g.imgAffiche.height).size();
        const QImage scaled = poster.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Check(shown.isEmpty() ? scaled.isNull() : scaled.size() == shown);
    }
    return 0;
}
