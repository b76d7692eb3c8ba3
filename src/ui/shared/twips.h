#pragma once

#include <QRect>
#include <QWidget>

// Window layouts are designed in twips: 1440 to the inch, 15 to a pixel at
// 96 dpi. Qt works in device-independent pixels, which are those pixels.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

inline void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}
