#pragma once

#include <QString>

#include <functional>

class QObject;
class QWidget;

// How the program speaks to screen readers without moving the focus, which
// differs between systems: ui/ScreenReaderLinux.cpp (AT-SPI, as Orca hears
// it), ui/ScreenReaderWindows.cpp (UI Automation, as Narrator and NVDA hear
// it).

// Before the application is made: whatever the desktop says at start, serve
// screen readers, so that one started later finds the program.
void PrepareScreenReaderSupport();

// Says `text` once, as a notification raised on the window.
void RaiseNotification(QWidget &window, const QString &text);

// Whether a screen reader is listening now.
bool ScreenReaderListens();

// Runs `then` once, as soon as a screen reader is listening (at once if one
// already is); nothing runs while none starts. `context` ends the wait.
void WhenScreenReaderListens(QObject &context, std::function<void()> then);
