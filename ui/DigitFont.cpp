#include "ui/DigitFont.h"

#include "ui/FontFitting.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {
constexpr qreal kLcdDPointSize = 99; // the largest LcdD size tried; shrunk until the digits fit
constexpr qreal kLargestFallbackPointSize = 200;

qreal digitsOverflow(const QFont &font, const QSize &box, const QPaintDevice *device)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    qreal overflow = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        // Ink relative to the baseline; a top-aligned line puts the baseline
        // one ascent below the top of the box.
        const QRectF ink = metrics.boundingRect(QChar(digit)).translated(0, metrics.ascent());
        if (ink.left() < 0 || ink.top() < 0)
            return std::numeric_limits<qreal>::infinity(); // cut off at the top or left at any size
        overflow = std::max({overflow, ink.right() / box.width(), ink.bottom() / box.height()});
    }
    return overflow;
}

// The family of the font the program carries inside, where it carries one
// (the Windows build, packaging/windows); loaded once.
QString carriedFamily()
{
    static const QString family = [] {
        for (const QString &file : QDir(QStringLiteral(":/fonts")).entryList(QDir::Files)) {
            const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
            if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
                return QFontDatabase::applicationFontFamilies(id).constFirst();
        }
        return QString();
    }();
    return family;
}
} // namespace

QFont LargestDigitFont(const QFont &font, qreal fromPointSize, const QSize &box, const QPaintDevice *device)
{
    return LargestFittingFont(font, fromPointSize,
                              [&](const QFont &candidate) { return digitsOverflow(candidate, box, device); });
}

bool DigitsFit(const QFont &font, const QSize &box, const QPaintDevice *device)
{
    return digitsOverflow(font, box, device) <= 1;
}

QFont ChooseDigitFont(const QSize &box, const QPaintDevice *device)
{
    // The carried font first: one installed under the name "LcdD" may be
    // any font at all, and the digits must look the same on every machine.
    if (const QString carried = carriedFamily(); !carried.isEmpty())
        return LargestDigitFont(QFont(carried), kLargestFallbackPointSize, box, device);
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("LcdD")))
        return LargestDigitFont(QFont(QStringLiteral("LcdD")), kLcdDPointSize, box, device);
    if (families.contains(QStringLiteral("DSEG7 Classic")))
        return LargestDigitFont(QFont(QStringLiteral("DSEG7 Classic")), kLargestFallbackPointSize, box, device);

    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    sans.setFamily(QStringLiteral("Sans Serif"));
    sans.setBold(true);
    return LargestDigitFont(sans, kLargestFallbackPointSize, box, device);
}
