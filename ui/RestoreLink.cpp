#include "ui/RestoreLink.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
// Room for the focus frame around the text.
constexpr int kFrame = 2;

class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(QWidget *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QAbstractButton *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<QAbstractButton *>(widget())->click();
    }
};

QAccessibleInterface *accessibleLink(const QString &className, QObject *object)
{
    if (className == QLatin1String("RestoreLink") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

RestoreLink::RestoreLink(QWidget *parent) : QAbstractButton(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLink);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    //: what a screen reader calls the link under the status line
    setAccessibleName(tr("Restore the last match"));
}

QSize RestoreLink::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return text + QSize(2 * kFrame, 2 * kFrame);
}

void RestoreLink::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(palette().color(QPalette::Link));
    const QRect textRect = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect();
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

void RestoreLink::keyPressEvent(QKeyEvent *event)
{
    // Space is a button's own key; Enter presses every button here too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
