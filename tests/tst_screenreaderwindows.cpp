#include "ui/ScreenReader.h"

#include <QLabel>
#include <QTest>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {
// What a UI Automation client asks a window for (UiaRootObjectId; MinGW's
// header that names it does not compile as C++).
constexpr LPARAM kUiaRootObjectId = -25;

// What the stand-in for UIAutomationCore.dll (tests/windows) recorded; the
// test runs with it put before Wine's own.
QString recorded()
{
    const HMODULE dll = ::GetModuleHandleW(L"uiautomationcore.dll");
    if (!dll)
        return "(UIAutomationCore.dll not loaded)";
    const auto notifications = reinterpret_cast<const wchar_t *(*)()>(
        reinterpret_cast<void (*)()>(::GetProcAddress(dll, "RecordedNotifications")));
    return notifications ? QString::fromWCharArray(notifications()) : "(the system's own UIAutomationCore.dll)";
}
} // namespace

class TestScreenReaderWindows : public QObject
{
    Q_OBJECT

    QWidget window;
    QLabel *label = new QLabel(QStringLiteral("Left score 00"), &window);

private slots:
    void initTestCase()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Nothing is said until a client asks the window for its elements, as
    // Narrator and NVDA do; then what waited for one runs, once.
    void silentUntilAScreenReaderAsks()
    {
        QVERIFY(!ScreenReaderListens());
        QObject context;
        int told = 0;
        WhenScreenReaderListens(context, [&] { ++told; });
        RaiseNotification(*label, QStringLiteral("Left score 01"));
        QVERIFY(!recorded().contains("Left score 01"));

        ::SendMessageW(reinterpret_cast<HWND>(window.winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
        QVERIFY(ScreenReaderListens());
        QCOMPARE(told, 1);
        WhenScreenReaderListens(context, [&] { ++told; });
        QCOMPARE(told, 2);
    }

    // A message said from any widget of the window: what reaches UI
    // Automation, once, on an element of the window's own.
    void notification_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("raised");
        QTest::newRow("a status") << "Port 1 (COM1) open" << true;
        QTest::newRow("accents") << QString::fromUtf8("Carte série à café") << true;
        QTest::newRow("nothing to say") << "" << false;
    }
    void notification()
    {
        QFETCH(QString, text);
        QFETCH(bool, raised);
        const QString before = recorded();
        RaiseNotification(*label, text);
        const QString line =
            QStringLiteral("window %1 kind 4 processing 2 server-side activity scoreboard.status: %2\n")
                .arg(window.winId())
                .arg(text);
        QCOMPARE(recorded().mid(before.size()), raised ? line : QString());
    }
};

QTEST_MAIN(TestScreenReaderWindows)
#include "tst_screenreaderwindows.moc"
