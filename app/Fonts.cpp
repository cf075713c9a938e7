#include "app/Fonts.h"

QFont SansSerif(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont TitleFont()
{
    QFont font = SansSerif(13.5);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}
