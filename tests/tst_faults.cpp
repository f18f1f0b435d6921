#include "match/StatusText.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/PseudoTerminal.h"
#include "support/SendGate.h"
#include "support/TestWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
QString digitsOf(const Form1 &form)
{
    QString text;
    for (int cell = 0; cell < 4; ++cell)
        text += form.findChild<QLabel *>(QStringLiteral("Label2_%1").arg(cell))->text();
    return text;
}

void click(const Form1 &form, const char *name)
{
    QTest::mouseClick(form.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
}

// The match's send, or the start-up command, has ended.
bool sendEnded(const TestWindow &window)
{
    return WaitFor([&] { return !window.match->sending(); });
}

// The operator picks list entry `index` with the mouse.
void pickEntry(const Form1 &form, int index)
{
    auto *combo = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(index, 0)).center());
}

// What the four buttons do to the scores, kept independently of the program.
struct ScoreModel
{
    int left = 0, right = 0;
    void press(const char *button)
    {
        const std::string name(button);
        int &score = (name == "Command1" || name == "Command2") ? left : right;
        score = (score + ((name == "Command2" || name == "Command5") ? 1 : 99)) % 100;
    }
    QString digits() const { return QString::asprintf("%02d%02d", left, right); }
};

const char *const kScoreButtons[] = {"Command1", "Command2", "Command4", "Command5"};

void postClick(QWidget *button)
{
    const QPointF centre = button->rect().center();
    const QPointF global = button->mapToGlobal(centre);
    QApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                                    Qt::LeftButton, Qt::NoModifier));
    QApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                                    Qt::NoButton, Qt::NoModifier));
}
} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void unpluggedDuringAnUpdateThenBack()
    {
        auto adapter = std::make_unique<PseudoTerminal>();
        std::string port1 = adapter->devicePath();
        LinuxSerialLink *linkSeen = nullptr;
        TestWindow window(
            [&](FakeSerialPlatform &platform) {
                platform.pathOfPort = [&](int port) {
                    return port == 1 ? port1 : std::string("/dev/scoreboard-test-missing");
                };
            },
            [&](const SerialPlatform &platform) {
                auto link = std::make_unique<LinuxSerialLink>(platform);
                linkSeen = link.get();
                return link;
            });
        const Form1 &form = *window.form;
        QVERIFY(sendEnded(window));
        QCOMPARE(adapter->receivedBytes().size(), std::size_t(15)); // the start-up command: only port 1 answered

        adapter->unplugAfter(15 + 10); // gone after the first digit pair
        click(form, "Command2");
        click(form, "Command3");
        QVERIFY(sendEnded(window));

        QCOMPARE(ToHex(adapter->receivedBytes()).substr(45), std::string("0D 01 41 30 81 0D 01 41 30 81"));
        QVERIFY(!linkSeen->isOpen());
        QVERIFY2(
            form.statusText().startsWith(QStringLiteral("Update cut off after 1 of 4 digits: port 1 was unplugged")),
            qPrintable(form.statusText()));

        // The program goes on: the scores still work, an update says why it cannot send.
        click(form, "Command2");
        QCOMPARE(digitsOf(form), QStringLiteral("0200"));
        click(form, "Command3");
        QVERIFY(sendEnded(window));
        QVERIFY(form.statusText().startsWith(QStringLiteral("Not sent: port 1 is unplugged")));

        // The adapter is plugged back in; the operator picks port 1 again.
        auto replugged = std::make_unique<PseudoTerminal>();
        port1 = replugged->devicePath();
        pickEntry(form, 0);
        QVERIFY(linkSeen->isOpen());
        click(form, "Command3");
        QVERIFY(sendEnded(window));
        QVERIFY(form.statusText().contains(QStringLiteral("sent to port 1")));
        QCOMPARE(ToHex(replugged->receivedBytes()).substr(0, 59),
                 std::string("0D 01 41 30 81 0D 01 41 30 81 0D 02 41 32 7E 0D 02 41 32 7E"));
    }

    void aPortHeldByAnotherProgramIsInUse()
    {
        PseudoTerminal pty;
        QProcess holder;
        holder.start(QStringLiteral(PORT_HOLDER_PATH), {QString::fromStdString(pty.devicePath())});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        PortsOn platform([&](int) { return pty.devicePath(); });
        LinuxSerialLink link(platform);
        link.setPortNumber(1);
        link.configureLine();
        const LinkResult result = link.open();
        QCOMPARE(result.error, LinkError::InUse);
        QVERIFY(!link.isOpen());
        QCOMPARE(link.write(reinterpret_cast<const std::uint8_t *>("x"), 1).error, LinkError::NotOpen);
        QVERIFY(pty.receivedBytes(50ms).empty());
        PortEvent failed;
        failed.kind = PortEvent::Kind::OpenFailed;
        failed.result = result;
        QVERIFY(StatusText::of(failed, 96).contains(QStringLiteral("in use by another program")));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(link.open().ok()); // free again once the other program lets go
    }

    void permissionDeniedNamesTheDialoutGroup()
    {
        PseudoTerminal pty;
        // Root may open anything: try as an ordinary user, in a child process.
        // Without root, take our own permission away instead.
        const bool root = ::geteuid() == 0;
        if (!root)
            QCOMPARE(::chmod(pty.devicePath().c_str(), 0), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(90);
            PortsOn platform([&](int) { return pty.devicePath(); });
            LinuxSerialLink link(platform);
            link.setPortNumber(1);
            PortEvent failed;
            failed.kind = PortEvent::Kind::OpenFailed;
            failed.result = link.open();
            const LinkResult &result = failed.result;
            const bool named = StatusText::of(failed, 96).contains(QStringLiteral("dialout group"));
            ::_exit(result.error == LinkError::PermissionDenied && named ? 0 : 10 + int(result.error));
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void thousandsOfPressesFollowTheModel()
    {
        TestWindow window;
        const Form1 &form = *window.form;
        ScoreModel model;
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> pick(0, 3);
        for (int press = 0; press < 5000; ++press) {
            const char *button = kScoreButtons[pick(random)];
            click(form, button);
            model.press(button);
            if (digitsOf(form) != model.digits())
                QFAIL(qPrintable(QStringLiteral("press %1 (%2): shows %3, expected %4")
                                     .arg(press)
                                     .arg(QLatin1String(button), digitsOf(form), model.digits())));
        }
    }

    // Presses that pile up in the event queue during an update are all
    // handled while it is on the wire, in order, and send nothing.
    void pressesDuringAnUpdateAreAllHandledInOrder()
    {
        TestWindow window;
        RecordingLink *link = window.recording;
        Form1 &form = *window.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        ScoreModel model;
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pick(0, 3);
        SendGate gate(*link);
        gate.close();
        click(form, "Command3");
        QVERIFY(gate.holding());
        for (int press = 0; press < 300; ++press) {
            const char *button = kScoreButtons[pick(random)];
            postClick(form.findChild<QWidget *>(QLatin1String(button)));
            model.press(button);
        }
        QCoreApplication::processEvents();
        QVERIFY(window.match->sending());
        QCOMPARE(digitsOf(form), model.digits());
        gate.open();
        QVERIFY(sendEnded(window));
        QCOMPARE(link->writes.size(), std::size_t(5));
        QCOMPARE(digitsOf(form), model.digits());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
