#include "ui/shared/classicfonts.h"

#include <QFont>
#include <QStringList>

void mapClassicFonts()
{
    // Qt looks at the stand-ins only for a family it cannot find, so
    // Windows keeps its own fonts.
    static const bool mapped = [] {
        // Liberation Sans Narrow is as tall as MS Sans Serif and no wider,
        // so the bold labels keep their whole text on the original widths.
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
             QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed")});
        QFont::insertSubstitutions(
            QStringLiteral("Arial Black"),
            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(mapped);
}
