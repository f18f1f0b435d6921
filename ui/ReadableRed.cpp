#include "ui/ReadableRed.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kReadableContrast = 4.5;

qreal linear(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

qreal relativeLuminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}
} // namespace

qreal ContrastRatio(const QColor &a, const QColor &b)
{
    const qreal first = relativeLuminance(a);
    const qreal second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ReadableRed(const QColor &background)
{
    // Step away from pure red towards black and towards white at once; the
    // first to read is the least change of colour.
    QColor best(255, 0, 0);
    for (int step = 0; step <= 255; ++step) {
        const QColor darker(255 - step, 0, 0);
        const QColor lighter(255, step, step);
        for (const QColor &candidate : {darker, lighter}) {
            if (ContrastRatio(candidate, background) >= kReadableContrast)
                return candidate;
            if (ContrastRatio(candidate, background) > ContrastRatio(best, background))
                best = candidate;
        }
    }
    return best;
}
