#include "ui/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <array>

namespace {
// Orca ignores text changes of plain labels that do not have the focus, but
// presents a notification as it appears; so each message is given to a
// hidden notification object, which is then said to appear.
class Notification : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

QAccessibleInterface *notificationInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("Notification") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// Each message keeps its own object for a while: a screen reader reads the
// name after the event, and by then the next message may be out.
struct Notifications
{
    std::array<QPointer<QWidget>, 4> objects;
    std::size_t next = 0;
};

QWidget &nextNotification(QWidget &window)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    static Notifications notifications;
    QPointer<QWidget> &object = notifications.objects[notifications.next];
    notifications.next = (notifications.next + 1) % notifications.objects.size();
    if (!object || object->window() != window.window()) {
        delete object;
        object = new Notification(&window);
        object->setObjectName(QStringLiteral("Announcement"));
        object->hide();
    }
    return *object;
}

class ActivationWaiter : public QObject, public QAccessible::ActivationObserver
{
public:
    ActivationWaiter(QObject &context, std::function<void()> then) : QObject(&context), m_then(std::move(then))
    {
        QAccessible::installActivationObserver(this);
    }
    ~ActivationWaiter() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        QAccessible::removeActivationObserver(this);
        m_then();
        deleteLater();
    }

private:
    std::function<void()> m_then;
};
} // namespace

void RaiseNotification(QWidget &window, const QString &text)
{
    if (text.isEmpty() || !QAccessible::isActive())
        return;
    QWidget &notification = nextNotification(window);
    notification.setAccessibleName(text);
    QAccessibleEvent shown(&notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

bool ScreenReaderListens()
{
    return QAccessible::isActive();
}

void WhenScreenReaderListens(QObject &context, std::function<void()> then)
{
    if (ScreenReaderListens()) {
        then();
        return;
    }
    new ActivationWaiter(context, std::move(then));
}

#include "ScreenReaderLinux.moc"
