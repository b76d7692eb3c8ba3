#include "classicfonts.h"

#include <QStringList>

namespace ClassicFonts {

QFont sansSerif(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    // Liberation Sans Narrow is as tall as MS Sans Serif and no wider, so
    // the bold labels keep their whole text on the original widths.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QFont heading(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace ClassicFonts
