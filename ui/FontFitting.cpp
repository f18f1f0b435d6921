#include "ui/FontFitting.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kSmallestPointSize = 6;
constexpr qreal kStep = 0.5; // points
} // namespace

QFont LargestFittingFont(QFont font, qreal fromPointSize, const FontOverflow &overflow)
{
    const auto fitsAt = [&](qreal size) {
        font.setPointSizeF(size);
        return overflow(font) <= 1;
    };

    font.setPointSizeF(fromPointSize);
    const qreal ratio = overflow(font);
    if (ratio <= 1)
        return font;

    qreal size = std::max(kSmallestPointSize, std::floor(fromPointSize / ratio / kStep) * kStep);
    while (size > kSmallestPointSize && !fitsAt(size))
        size -= kStep;
    while (size + kStep <= fromPointSize && fitsAt(size + kStep))
        size += kStep;
    font.setPointSizeF(size);
    return font;
}

QFont ChooseCaptionFont(const QFont &desktop, const QStringList &narrowerFamilies, const FontOverflow &overflow)
{
    QFont narrowest = desktop;
    qreal narrowestOverflow = overflow(desktop);
    if (narrowestOverflow <= 1)
        return desktop;

    for (const QString &family : narrowerFamilies) {
        QFont candidate = desktop;
        candidate.setFamilies({family});
        const qreal candidateOverflow = overflow(candidate);
        if (candidateOverflow <= 1)
            return candidate;
        if (candidateOverflow < narrowestOverflow) {
            narrowest = candidate;
            narrowestOverflow = candidateOverflow;
        }
    }
    return LargestFittingFont(narrowest, desktop.pointSizeF(), overflow);
}
