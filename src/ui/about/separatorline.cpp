#include "ui/about/separatorline.h"

#include <QPainter>

SeparatorLine::SeparatorLine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SeparatorLine::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void SeparatorLine::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}
