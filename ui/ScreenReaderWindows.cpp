#include "ui/ScreenReader.h"

#include <QAccessible>

// UI Automation notifications come with the Windows work; until then the
// messages go nowhere on Windows.
void PrepareScreenReaderSupport() {}

void RaiseNotification(QWidget &, const QString &) {}

bool ScreenReaderListens()
{
    return QAccessible::isActive();
}

void WhenScreenReaderListens(QObject &, std::function<void()>) {}
