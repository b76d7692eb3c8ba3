#include "formlabel.h"

#include "twips.h"

#include <QLabel>

QLabel *addFormLabel(QWidget *parent, const char *name, const QString &text, QRect twips,
                     const QColor &textColour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    label->setPalette(palette);
    placeInTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}
