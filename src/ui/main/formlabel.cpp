#include "ui/main/formlabel.h"

FormLabel::FormLabel(QWidget *parent) : QLabel(parent)
{
    // Only the weight, its hinting and the text colour are set: the rest of
    // the font and of the palette come from the form.
    QFont bold;
    bold.setBold(true);
    // Hinted to whole pixels across, as GDI draws it (Qt's choice on Windows
    // at 100 %), the bold of an 8-point face keeps the one-pixel stems of the
    // regular one and comes out no darker. Hinted only from top to bottom, as
    // DirectWrite draws it at larger scales and FreeType's light hinting on
    // Linux, it stays bold at every scale.
    bold.setHintingPreference(QFont::PreferVerticalHinting);
    setFont(bold);
    QPalette black;
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
