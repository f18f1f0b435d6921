#include "ui/DigitFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace {
constexpr qreal kSpecifiedPointSize = 99;
constexpr qreal kLargestFallbackPointSize = 200;
constexpr qreal kSmallestPointSize = 6;
constexpr qreal kStep = 0.5; // points

} // namespace

// Glyphs grow with the point size, so the largest size that fits is found by
// bisection over half-point steps: a handful of measurements at start-up.
QFont LargestDigitFont(QFont font, qreal fromPointSize, const QSize &box, const QPaintDevice *device)
{
    int low = 0; // in steps above the smallest size; assumed to fit
    int high = static_cast<int>((fromPointSize - kSmallestPointSize) / kStep);
    const auto sizeAt = [](int steps) { return kSmallestPointSize + steps * kStep; };
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        font.setPointSizeF(sizeAt(middle));
        if (DigitsFit(font, box, device))
            low = middle;
        else
            high = middle - 1;
    }
    font.setPointSizeF(sizeAt(low));
    return font;
}

bool DigitsFit(const QFont &font, const QSize &box, const QPaintDevice *device)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const QRectF inside(0, 0, box.width(), box.height());
    for (char digit = '0'; digit <= '9'; ++digit) {
        // Ink relative to the baseline; a top-aligned line puts the baseline
        // one ascent below the top of the box.
        const QRectF ink = metrics.boundingRect(QChar(digit)).translated(0, metrics.ascent());
        if (!inside.contains(ink))
            return false;
    }
    return true;
}

QFont ChooseDigitFont(const QSize &box, const QPaintDevice *device)
{
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("LcdD")))
        return LargestDigitFont(QFont(QStringLiteral("LcdD")), kSpecifiedPointSize, box, device);
    if (families.contains(QStringLiteral("DSEG7 Classic")))
        return LargestDigitFont(QFont(QStringLiteral("DSEG7 Classic")), kLargestFallbackPointSize, box, device);

    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    sans.setFamily(QStringLiteral("Sans Serif"));
    sans.setBold(true);
    return LargestDigitFont(sans, kLargestFallbackPointSize, box, device);
}
