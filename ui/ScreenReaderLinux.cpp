#include "ui/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <vector>

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

// Whether a screen reader listens, as AT-SPI tells it: someone on the
// accessibility bus listens for what a notification raises (an object
// showing). Followed as it changes, by the registry's signals: nothing runs
// while nothing changes. (Orca does not always set the session's "screen
// reader enabled" status, so that is not asked.) Qt (6.4) decides once, as
// the program starts, whether to serve screen readers at all, and on a
// desktop that does not say so then it never would; so the program always
// serves them (PrepareScreenReaderSupport) and this tells when one is there
// to hear.
class Listening : public QObject
{
    Q_OBJECT

public:
    static Listening &instance()
    {
        static auto *listening = new Listening;
        return *listening;
    }

    bool now() const { return m_caughtUp && heard(); }

    void whenListening(QObject &context, std::function<void()> then)
    {
        m_waiting.emplace_back(&context, std::move(then));
    }

private:
    Listening()
    {
        QDBusConnection session = QDBusConnection::sessionBus();
        if (!session.isConnected())
            return;
        const QDBusMessage address =
            QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, QStringLiteral("GetAddress"));
        session.callWithCallback(address, this, SLOT(connectTo(QString)));
    }

private slots:
    void connectTo(const QString &address)
    {
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("scoreboard-screen-reader"));
        if (!m_bus.isConnected())
            return;
        m_bus.connect(kRegistry, kRegistryPath, kRegistry, QStringLiteral("EventListenerRegistered"), this,
                      SLOT(listenersChanged()));
        m_bus.connect(kRegistry, kRegistryPath, kRegistry, QStringLiteral("EventListenerDeregistered"), this,
                      SLOT(listenersChanged()));
        listenersChanged();
    }
    void listenersChanged()
    {
        const QDBusMessage ask =
            QDBusMessage::createMethodCall(kRegistry, kRegistryPath, kRegistry, QStringLiteral("GetRegisteredEvents"));
        m_bus.callWithCallback(ask, this, SLOT(listenersAre(QDBusMessage)));
    }
    void listenersAre(const QDBusMessage &reply)
    {
        // a(ss): who listens, and for which events ("object:state-changed:
        // showing", "Object:StateChanged:", "object:", "" for all).
        bool heard = false;
        const auto listeners = reply.arguments().value(0).value<QDBusArgument>();
        listeners.beginArray();
        while (!listeners.atEnd()) {
            QString listener, event;
            listeners.beginStructure();
            listeners >> listener >> event;
            listeners.endStructure();
            const QString words = event.toLower().remove(QLatin1Char('-'));
            heard = heard || kShowing.startsWith(words) || words.startsWith(kShowing);
        }
        listeners.endArray();
        m_showingHeard = heard;
        settle();
    }

private:
    bool heard() const { return m_showingHeard; }

    void settle()
    {
        if (!heard()) {
            m_caughtUp = false;
            return;
        }
        if (m_caughtUp)
            return;
        // Qt's own bridge learns of the new listener from the same signal, on
        // its own connection: give it a moment to hear it too.
        QTimer::singleShot(kBridgeCatchesUp, this, [this] {
            m_caughtUp = heard();
            if (!m_caughtUp)
                return;
            for (auto &[context, then] : std::exchange(m_waiting, {}))
                if (context)
                    then();
        });
    }

    static constexpr std::chrono::milliseconds kBridgeCatchesUp{250};
    inline static const QString kBusService = QStringLiteral("org.a11y.Bus");
    inline static const QString kBusPath = QStringLiteral("/org/a11y/bus");
    inline static const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
    inline static const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");
    inline static const QString kShowing = QStringLiteral("object:statechanged:showing");

    QDBusConnection m_bus{QString()};
    bool m_showingHeard = false;
    bool m_caughtUp = false;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
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

void PrepareScreenReaderSupport()
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

bool ScreenReaderListens()
{
    return QAccessible::isActive() && Listening::instance().now();
}

void WhenScreenReaderListens(QObject &context, std::function<void()> then)
{
    if (ScreenReaderListens())
        then();
    else
        Listening::instance().whenListening(context, std::move(then));
}

#include "ScreenReaderLinux.moc"
