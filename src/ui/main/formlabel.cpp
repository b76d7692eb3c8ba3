#include "ui/main/formlabel.h"

FormLabel::FormLabel(QWidget *parent) : QLabel(parent)
{
    // Only the weight and the text colour are set: the rest of the font and
    // of the palette come from the form.
    QFont bold;
    bold.setBold(true);
    setFont(bold);
    QPalette black;
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
