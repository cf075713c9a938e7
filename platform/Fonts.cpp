#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace {

// The font file as the program carries it, without a copy: read in place,
// only the parts of it that are drawn are ever loaded.
int AddCarriedFont(const QString &name)
{
    const QResource file(QStringLiteral(":/fichoscope/fonts/") + name);
    return QFontDatabase::addApplicationFontFromData(file.uncompressedData());
}

QString CarriedFamily()
{
    static const QString family = [] {
        AddCarriedFont(QStringLiteral("DejaVuSansCondensed-Bold.ttf"));
        const int id = AddCarriedFont(QStringLiteral("DejaVuSansCondensed.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Sans Condensed") : families.first();
    }();
    return family;
}

} // namespace

QFont SansSerif(double points)
{
    QFont font(CarriedFamily());
    // By style: a machine that has DejaVu Sans would otherwise give its
    // normal width under the same family name.
    font.setStyleName(QStringLiteral("Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setLetterSpacing(QFont::PercentageSpacing, 95);
    return font;
}

QFont BoldSansSerif(double points)
{
    QFont font = SansSerif(points);
    font.setStyleName(QStringLiteral("Condensed Bold"));
    font.setBold(true);
    return font;
}

QFont TitleFont()
{
    QFont font = BoldSansSerif(13.5);
    font.setUnderline(true);
    return font;
}
