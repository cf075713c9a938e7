#include "app/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString CarriedFamily()
{
    static const QString family = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fichoscope/fonts/DejaVuSansCondensed-Bold.ttf"));
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fichoscope/fonts/DejaVuSansCondensed.ttf"));
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

QFont TitleFont()
{
    QFont font = SansSerif(13.5);
    font.setStyleName(QStringLiteral("Condensed Bold"));
    font.setBold(true);
    font.setUnderline(true);
    return font;
}
