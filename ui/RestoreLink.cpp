#include "ui/RestoreLink.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(QWidget *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QPushButton *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<QPushButton *>(widget())->click();
    }
};

QAccessibleInterface *accessibleLink(const QString &className, QObject *object)
{
    if (className == QLatin1String("RestoreLink") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

RestoreLink::RestoreLink(QWidget *parent) : QPushButton(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLink);
        return true;
    }();
    Q_UNUSED(installed);
    setFlat(true);
    setAutoDefault(true); // Enter presses it, as it does the other buttons
    setCursor(Qt::PointingHandCursor);
    QPalette linkColours = palette();
    linkColours.setColor(QPalette::ButtonText, linkColours.color(QPalette::Link));
    setPalette(linkColours);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setAccessibleName(QStringLiteral("Restore the last match"));
}
