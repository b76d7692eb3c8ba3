#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A label as the forms draw them: plain text, left and top aligned,
// wrapped at its width and cut off at its height, in the given colour.
// The rectangle is in twips.
QLabel *addFormLabel(QWidget *parent, const char *name, const QString &text, QRect twips,
                     const QColor &textColour);
