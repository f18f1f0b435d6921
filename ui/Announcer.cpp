#include "ui/Announcer.h"

#include "ui/ScreenReader.h"

#include <QWidget>

Announcer::Announcer(QWidget &window) : QObject(&window), m_window(window) {}

void Announcer::say(const QString &text)
{
    if (ScreenReaderListens()) {
        RaiseNotification(m_window, text);
        return;
    }
    m_kept = text;
    if (std::exchange(m_waiting, true))
        return;
    WhenScreenReaderListens(*this, [this] {
        m_waiting = false;
        RaiseNotification(m_window, std::exchange(m_kept, {}));
    });
}
