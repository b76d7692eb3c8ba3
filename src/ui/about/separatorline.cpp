#include "separatorline.h"

#include <QPainter>

SeparatorLine::SeparatorLine(const QColor &colour, QWidget *parent)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SeparatorLine::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}
