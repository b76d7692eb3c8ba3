#pragma once

#include <QColor>

// The contrast ratio of two colours as WCAG 2 defines it: 1 for equal
// colours, 21 for black against white. Text reads well from 4.5 up.
double contrastRatio(const QColor &a, const QColor &b);

constexpr double ReadableContrast = 4.5;

// The colour to draw behind text of the given colour: preferred when the
// text reads on it, fallback otherwise.
QColor readableBehind(const QColor &text, const QColor &preferred, const QColor &fallback);
