#include "ui/shared/classicfonts.h"

#include <QFont>
#include <QGuiApplication>
#include <QStringList>
#include <QWidget>

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

void hintClassicFonts(QWidget *form)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    // Every control without a hinting of its own takes the form's.
    QFont font = form->font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    form->setFont(font);
}
