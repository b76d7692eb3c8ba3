#include "ui/main/formlabel.h"

#include <QGuiApplication>

FormLabel::FormLabel(QWidget *parent) : QLabel(parent)
{
    // Only the weight and the text colour are set: the rest of the font and
    // of the palette come from the form.
    QFont bold;
    bold.setBold(true);
    // Fitted to whole pixels across, as GDI draws it (Qt's choice on Windows
    // at 100 %), the bold of an 8-point face keeps the one-pixel stems of the
    // regular one and comes out no darker. Hinted only from top to bottom, as
    // DirectWrite draws it at larger scales, it stays bold at every scale.
    // FreeType's light hinting elsewhere already keeps it bold.
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        bold.setHintingPreference(QFont::PreferVerticalHinting);
    setFont(bold);
    QPalette black;
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
