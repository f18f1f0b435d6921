#include "serial/SerialPlatform.h"
#include "serial/Win32SerialLink.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
const HANDLE kPort = reinterpret_cast<HANDLE>(std::intptr_t(0x5c0));
const std::uint8_t kPacket[5] = {0x0D, 0x00, 0x53, 0x13, 0x8D};

class FakePlatform final : public SerialPlatform
{
public:
    std::string console;

    std::string devicePathForPort(int n) const override
    {
        return n >= 1 && n <= 255 ? "COM" + std::to_string(n) : std::string();
    }
    int portNumberForPath(const std::string &) const override { return 0; }
    int lastPortNumber() const override { return 255; }
    std::string portNumbering() const override { return {}; }
    std::vector<SerialDevice> devices() const override { return {}; }
    std::optional<SerialDevice> deviceAt(const std::string &) const override { return {}; }
    bool isSystemConsole(const std::string &path) const override { return path == console; }
    void watchDevices() override {}
};

// A port that takes everything, except that the call named `failing` fails
// with failCode, whose message is `message`. Success clears the last error, so
// a link that reads it late gets another code's message.
class FakeCommApi final : public Win32CommApi
{
public:
    QStringList calls;
    QString failing;
    DWORD failCode = 0;
    std::wstring message;
    QList<int> queued;           // ClearCommError's answers in turn; the last one repeats
    unsigned char stateFill = 0; // every byte of the state GetCommState finds
    DWORD taken = MAXDWORD;
    std::wstring name;
    DWORD access = 0, share = MAXDWORD, creation = 0, outQueue = 0;
    DCB dcb{};
    COMMTIMEOUTS timeouts{};

    HANDLE createFile(LPCWSTR n, DWORD a, DWORD s, DWORD c, DWORD) override
    {
        name = n;
        access = a;
        share = s;
        creation = c;
        return call("CreateFileW", kPort) ? kPort : INVALID_HANDLE_VALUE;
    }
    BOOL setupComm(HANDLE h, DWORD, DWORD out) override
    {
        outQueue = out;
        return call("SetupComm", h);
    }
    BOOL getCommState(HANDLE h, DCB *d) override
    {
        std::memset(d, stateFill, sizeof *d);
        d->DCBlength = sizeof *d;
        return call("GetCommState", h);
    }
    BOOL setCommState(HANDLE h, DCB *d) override
    {
        dcb = *d;
        return call("SetCommState", h);
    }
    BOOL setCommTimeouts(HANDLE h, COMMTIMEOUTS *t) override
    {
        timeouts = *t;
        return call("SetCommTimeouts", h);
    }
    BOOL escapeCommFunction(HANDLE h, DWORD f) override { return call(f == SETDTR ? "SETDTR" : "CLRDTR", h); }
    BOOL clearCommError(HANDLE h, DWORD *, COMSTAT *status) override
    {
        status->cbOutQue = DWORD(queued.isEmpty() ? 0 : queued.size() > 1 ? queued.takeFirst() : queued.first());
        return call("ClearCommError", h);
    }
    BOOL writeFile(HANDLE h, const void *data, DWORD size, DWORD *written) override
    {
        const bool ok = call("WriteFile", h, QByteArray(static_cast<const char *>(data), int(size)).toHex(' '));
        *written = ok ? std::min(size, taken) : 0;
        return ok;
    }
    BOOL closeHandle(HANDLE h) override { return call("CloseHandle", h); }
    DWORD lastError() const override { return m_lastError; }
    std::wstring messageFor(DWORD code) const override { return code == failCode ? message : L"another code"; }

private:
    bool call(const QString &what, HANDLE h, const QString &detail = {})
    {
        calls << (h == kPort ? what : what + " on a stray handle") + (detail.isEmpty() ? "" : " " + detail);
        m_lastError = what == failing ? failCode : ERROR_SUCCESS;
        return what != failing;
    }

    DWORD m_lastError = ERROR_SUCCESS;
};

struct Rig
{
    FakePlatform platform;
    FakeCommApi api;
    std::unique_ptr<Win32SerialLink> link = std::make_unique<Win32SerialLink>(platform, api);

    // As the window selects a port; forgets the calls that took.
    bool open(int port = 1)
    {
        link->setPortNumber(port);
        link->configureLine();
        link->setDtr(true);
        const bool ok = link->open().ok();
        api.calls.clear();
        return ok;
    }
};
} // namespace

class TestWin32SerialLink : public QObject
{
    Q_OBJECT

private slots:
    void lineSetAtOpen_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("dtr");
        QTest::addColumn<int>("stateFill");
        // Each field of the line's state is wrong in one row or the other.
        QTest::newRow("COM1, DTR wished up, from all bits clear") << 1 << true << 0x00;
        QTest::newRow("COM255, DTR wished down, from all bits set") << 255 << false << 0xff;
    }
    void lineSetAtOpen()
    {
        QFETCH(int, port);
        QFETCH(bool, dtr);
        QFETCH(int, stateFill);
        Rig rig;
        rig.api.stateFill = static_cast<unsigned char>(stateFill);
        rig.link->setPortNumber(port);
        rig.link->configureLine();
        rig.link->setDtr(dtr);
        QVERIFY(rig.link->open().ok());
        QVERIFY(rig.link->isOpen());
        const FakeCommApi &api = rig.api;
        QCOMPARE(api.calls,
                 (QStringList{"CreateFileW", "SetupComm", "GetCommState", "SetCommState", "SetCommTimeouts"}));
        QCOMPARE(QString::fromStdWString(api.name), QString("\\\\.\\COM%1").arg(port));
        QCOMPARE(api.access, DWORD(GENERIC_READ | GENERIC_WRITE));
        QCOMPARE(api.share, DWORD(0));
        QCOMPARE(api.creation, DWORD(OPEN_EXISTING));
        QCOMPARE(api.outQueue, DWORD(4096));

        const DCB &d = api.dcb;
        QCOMPARE(d.DCBlength, DWORD(sizeof(DCB)));
        QCOMPARE(d.BaudRate, DWORD(2400));
        QCOMPARE(int(d.ByteSize), 8);
        QCOMPARE(int(d.Parity), NOPARITY);
        QCOMPARE(int(d.StopBits), ONESTOPBIT);
        QCOMPARE(d.fBinary + d.fTXContinueOnXoff, 2);
        QCOMPARE(d.fParity + d.fOutxCtsFlow + d.fOutxDsrFlow + d.fDsrSensitivity + d.fOutX + d.fInX + d.fNull +
                     d.fAbortOnError,
                 0);
        QCOMPARE(int(d.fRtsControl), RTS_CONTROL_ENABLE);
        QCOMPARE(int(d.fDtrControl), dtr ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE);

        QCOMPARE(api.timeouts.ReadIntervalTimeout, DWORD(MAXDWORD));
        QCOMPARE(api.timeouts.ReadTotalTimeoutMultiplier + api.timeouts.ReadTotalTimeoutConstant, 0ul);
        QCOMPARE(api.timeouts.WriteTotalTimeoutMultiplier, 0ul);
        QCOMPARE(api.timeouts.WriteTotalTimeoutConstant, 1000ul);
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<long>("code");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        const auto none = int(LinkError::NoSuchDevice), inUse = int(LinkError::InUse);
        const auto failed = int(LinkError::OpenFailed);
        QTest::newRow("file not found") << "CreateFileW" << ERROR_FILE_NOT_FOUND << none
                                        << "The system cannot find the file specified.\r\n"
                                        << "The system cannot find the file specified";
        QTest::newRow("path not found") << "CreateFileW" << ERROR_PATH_NOT_FOUND << none << "Path not found.\r\n"
                                        << "Path not found";
        QTest::newRow("access denied, in French")
            << "CreateFileW" << ERROR_ACCESS_DENIED << inUse << "Accès refusé.\r\n"
            << "Accès refusé";
        QTest::newRow("sharing violation")
            << "CreateFileW" << ERROR_SHARING_VIOLATION << inUse << "Sharing violation.\r\n"
            << "Sharing violation";
        QTest::newRow("device not functioning")
            << "CreateFileW" << ERROR_GEN_FAILURE << failed << "A device is not functioning.\r\n"
            << "A device is not functioning";
        QTest::newRow("no message for the code") << "CreateFileW" << 1234L << failed << ""
                                                 << "system error 1234";
        QTest::newRow("state unreadable")
            << "GetCommState" << ERROR_INVALID_FUNCTION << failed << "Incorrect function.\r\n"
            << "Incorrect function";
        // Wine's answer on a write-only handle: not another program's doing.
        QTest::newRow("line settings refused") << "SetCommState" << ERROR_ACCESS_DENIED << failed << "Access denied\r\n"
                                               << "Access denied";
        QTest::newRow("timeouts refused")
            << "SetCommTimeouts" << ERROR_INVALID_PARAMETER << failed << "The parameter is incorrect.\n"
            << "The parameter is incorrect";
    }
    void openFailures()
    {
        QFETCH(QString, failing);
        QFETCH(long, code);
        QFETCH(int, error);
        QFETCH(QString, message);
        QFETCH(QString, text);
        Rig rig;
        rig.api.failing = failing;
        rig.api.failCode = DWORD(code);
        rig.api.message = message.toStdWString();
        rig.link->setPortNumber(7);
        const LinkResult result = rig.link->open();
        QCOMPARE(int(result.error), error);
        QCOMPARE(result.portNumber, 7);
        QCOMPARE(QString::fromStdString(result.devicePath), QString("COM7"));
        QCOMPARE(QString::fromStdString(result.systemText), text);
        QVERIFY(!rig.link->isOpen());
        // A handle that was opened is closed again, at once.
        QCOMPARE(rig.api.calls.last(), failing == "CreateFileW" ? QString("CreateFileW") : QString("CloseHandle"));
    }

    void dtrAndClosing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("queued");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("port closed") << QStringList{"dtr off", "close"} << QList<int>{} << ""
                                     << QStringList{"ClearCommError", "CLRDTR", "ClearCommError", "CloseHandle"};
        QTest::newRow("DTR drops once the queue is empty")
            << QStringList{"dtr off"} << QList<int>{5, 2, 0} << ""
            << QStringList{"ClearCommError", "ClearCommError", "ClearCommError", "CLRDTR"};
        QTest::newRow("raising DTR does not wait") << QStringList{"dtr off", "dtr on"} << QList<int>{} << ""
                                                   << QStringList{"ClearCommError", "CLRDTR", "SETDTR"};
        QTest::newRow("DTR refused, port kept") << QStringList{"dtr off", "write"} << QList<int>{} << "CLRDTR"
                                                << QStringList{"ClearCommError", "CLRDTR", "WriteFile 0d 00 53 13 8d"};
        QTest::newRow("a wish while closed waits for the open")
            << QStringList{"close", "dtr off", "dtr on", "close"} << QList<int>{} << ""
            << QStringList{"ClearCommError", "CloseHandle"};
        QTest::newRow("destroyed while open")
            << QStringList{"destroy"} << QList<int>{} << "" << QStringList{"ClearCommError", "CloseHandle"};
    }
    void dtrAndClosing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, queued);
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        Rig rig;
        QVERIFY(rig.open());
        rig.api.queued = queued;
        rig.api.failing = failing;
        for (const QString &step : steps) {
            if (step.startsWith("dtr"))
                rig.link->setDtr(step == "dtr on");
            else if (step == "close")
                rig.link->close();
            else if (step == "write")
                QVERIFY(rig.link->write(kPacket, sizeof kPacket).ok());
            else
                rig.link.reset();
        }
        QCOMPARE(rig.api.calls, calls);
    }

    void aStuckQueueHoldsCloseHalfASecond()
    {
        Rig rig;
        QVERIFY(rig.open());
        rig.api.queued = {1};
        QElapsedTimer timer;
        timer.start();
        rig.link->close();
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= 490 && elapsed < 1500, qPrintable(QString("%1 ms").arg(elapsed)));
        QVERIFY(!rig.link->isOpen());
        QCOMPARE(rig.api.calls.last(), QString("CloseHandle"));
    }

    void writes_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        const auto failed = int(LinkError::WriteFailed);
        QTest::newRow("all taken") << "" << 5 << int(LinkError::None) << "";
        QTest::newRow("device gone") << "WriteFile" << 5 << failed << "A device is not functioning";
        QTest::newRow("timed out, part taken") << "" << 2 << failed << "the port did not take the bytes";
        QTest::newRow("timed out, none taken") << "" << 0 << failed << "the port did not take the bytes";
    }
    void writes()
    {
        QFETCH(QString, failing);
        QFETCH(int, taken);
        QFETCH(int, error);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.open());
        rig.api.failing = failing;
        rig.api.failCode = ERROR_GEN_FAILURE;
        rig.api.message = L"A device is not functioning.\r\n";
        rig.api.taken = DWORD(taken);
        const LinkResult result = rig.link->write(kPacket, sizeof kPacket);
        QCOMPARE(int(result.error), error);
        QCOMPARE(QString::fromStdString(result.systemText), text);
        if (result.ok()) {
            QVERIFY(rig.link->isOpen());
            return;
        }
        // Closed without waiting for a queue that will not drain.
        QCOMPARE(rig.api.calls, (QStringList{"WriteFile 0d 00 53 13 8d", "CloseHandle"}));
        QVERIFY(!rig.link->isOpen());
        rig.api.calls.clear();
        QCOMPARE(rig.link->write(kPacket, sizeof kPacket).error, LinkError::NotOpen);
        QVERIFY(rig.api.calls.isEmpty());
    }

    void refusedWithoutACall_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("error");
        QTest::newRow("port 0") << 0 << int(LinkError::NoDeviceForPort);
        QTest::newRow("port 256") << 256 << int(LinkError::NoDeviceForPort);
        QTest::newRow("the system console") << 2 << int(LinkError::SystemConsole);
    }
    void refusedWithoutACall()
    {
        QFETCH(int, port);
        QFETCH(int, error);
        Rig rig;
        rig.platform.console = "COM2";
        rig.link->setPortNumber(port);
        rig.link->setDtr(true);
        QCOMPARE(int(rig.link->open().error), error);
        QVERIFY(!rig.link->isOpen());
        QCOMPARE(rig.link->write(kPacket, sizeof kPacket).error, LinkError::NotOpen);
        rig.link->setDtr(false);
        rig.link->close();
        QVERIFY(rig.api.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWin32SerialLink)
#include "tst_win32seriallink.moc"
