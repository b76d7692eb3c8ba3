#pragma once

#include <QFontMetrics>
#include <QLabel>

// The size a label's text needs when it wraps inside the label's rectangle,
// in the label's own font: it shows whole when this fits the label's size.
inline QSize labelTextNeeds(const QLabel *label)
{
    return QFontMetrics(label->font())
        .boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text())
        .size();
}
