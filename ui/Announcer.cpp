#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace {
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
} // namespace

Announcer::Announcer(QWidget &window) : QObject(&window)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    for (QWidget *&notification : m_notifications) {
        notification = new Notification(&window);
        notification->setObjectName(QStringLiteral("Announcement"));
        notification->hide();
    }
}

void Announcer::scoreChanged(const QString &text)
{
    m_scores << text;
    if (!std::exchange(m_due, true))
        QTimer::singleShot(0, this, &Announcer::sayPending);
}

void Announcer::statusChanged(const QString &text)
{
    m_status = text;
    if (!std::exchange(m_due, true))
        QTimer::singleShot(0, this, &Announcer::sayPending);
}

void Announcer::sayPending()
{
    m_due = false;
    QStringList message = std::exchange(m_scores, {});
    // A status the turn ended on, and only when it says something new.
    if (!m_status.isEmpty() && m_status != m_statusSaid)
        message << m_status;
    m_statusSaid = m_status;
    if (message.isEmpty() || !QAccessible::isActive())
        return;

    QWidget *notification = m_notifications[m_next];
    m_next = (m_next + 1) % m_notifications.size();
    notification->setAccessibleName(message.join(QStringLiteral(". ")));
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#include "Announcer.moc"
