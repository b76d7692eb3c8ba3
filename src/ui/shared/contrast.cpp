#include "ui/shared/contrast.h"

#include <QtMath>

#include <algorithm>

namespace {

double channel(int value)
{
    const double v = value / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green())
        + 0.0722 * channel(rgb.blue());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableBehind(const QColor &text, const QColor &preferred, const QColor &fallback)
{
    return contrastRatio(text, preferred) >= ReadableContrast ? preferred : fallback;
}
