#include "monitor/BoardWindow.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

namespace {
const QString kSegmentFontFamily = QStringLiteral("DSEG7 Classic"); // Debian: fonts-dseg
constexpr int kDigitPointSize = 72;
constexpr int kSpaceBetweenScores = 40;

QFont digitFont()
{
    if (QFontDatabase::families().contains(kSegmentFontFamily))
        return {kSegmentFontFamily, kDigitPointSize};
    QFont font(QString(), kDigitPointSize, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
} // namespace

BoardWindow::BoardWindow(const QString &source, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Scoreboard monitor: %1").arg(source));

    const QFont font = digitFont();
    const QFontMetrics metrics(font);
    QPalette redText = palette();
    redText.setColor(QPalette::WindowText, QColor(255, 0, 0));

    auto *layout = new QHBoxLayout(this);
    for (std::size_t position = 0; position < m_digitLabels.size(); ++position) {
        if (position == m_digitLabels.size() / 2)
            layout->addSpacing(kSpaceBetweenScores);
        auto *label = new QLabel(this);
        label->setFont(font);
        label->setPalette(redText);
        label->setAlignment(Qt::AlignCenter);
        // A position no digit has reached yet stays blank, at the size of a
        // digit, so the window does not jump when the first one arrives.
        label->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('8')), metrics.height());
        layout->addWidget(label);
        m_digitLabels[position] = label;
    }
}

void BoardWindow::showDigits(const ShownDigits &digits)
{
    for (std::size_t position = 0; position < m_digitLabels.size(); ++position) {
        const int digit = digits[position];
        m_digitLabels[position]->setText(digit == kNoDigitYet ? QString() : QString::number(digit));
    }
}
