#include "serial/SerialPlatform.h"
#include "serial/windows/RemovalWatch.h"
#include "serial/windows/Win32SerialLink.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
const HANDLE kPort = reinterpret_cast<HANDLE>(std::intptr_t(0x5c0));
const std::uint8_t kPacket[5] = {0x0D, 0x00, 0x53, 0x13, 0x8D};

// A port that takes everything, except that the call named `failing` fails
// with failCode, whose message is `message`. Success clears the last error, so
// a link that reads it late gets another code's message.
class FakeCommApi final : public Win32CommApi
{
public:
    QStringList calls;
    QString failing;
    DWORD failCode = ERROR_GEN_FAILURE;
    std::wstring message = L"Gone.\r\n";
    QList<int> queued = {2, 0}; // ClearCommError's answers in turn; the last one repeats
    DWORD taken = MAXDWORD;     // the most WriteFile takes
    DWORD access = 0, share = MAXDWORD, creation = 0;
    DCB dcb{};
    COMMTIMEOUTS timeouts{};

    HANDLE createFile(LPCWSTR n, DWORD a, DWORD s, DWORD c, DWORD) override
    {
        access = a, share = s, creation = c;
        return call("CreateFileW", kPort, QString::fromWCharArray(n)) ? kPort : INVALID_HANDLE_VALUE;
    }
    BOOL setupComm(HANDLE h, DWORD, DWORD) override { return call("SetupComm", h); }
    // Every flag set, every field wrong.
    BOOL getCommState(HANDLE h, DCB *d) override { return std::memset(d, 0xff, sizeof *d), call("GetCommState", h); }
    BOOL setCommState(HANDLE h, DCB *d) override { return dcb = *d, call("SetCommState", h); }
    BOOL setCommTimeouts(HANDLE h, COMMTIMEOUTS *t) override { return timeouts = *t, call("SetCommTimeouts", h); }
    BOOL escapeCommFunction(HANDLE h, DWORD f) override { return call(f == SETDTR ? "SETDTR" : "CLRDTR", h); }
    BOOL clearCommError(HANDLE h, DWORD *, COMSTAT *status) override
    {
        status->cbOutQue = DWORD(queued.size() > 1 ? queued.takeFirst() : queued.first());
        return call("ClearCommError", h);
    }
    BOOL writeFile(HANDLE h, const void *data, DWORD size, DWORD *written) override
    {
        *written = std::min(size, taken);
        return call("WriteFile", h, QByteArray(static_cast<const char *>(data), int(size)).toHex(' '));
    }
    BOOL closeHandle(HANDLE h) override { return call("CloseHandle", h); }
    DWORD lastError() const override { return last; }
    std::wstring messageFor(DWORD code) const override { return code == failCode ? message : L"another code"; }

    DWORD last = ERROR_SUCCESS;
    bool call(const QString &what, HANDLE h, const QString &detail = {})
    {
        calls << (h == kPort ? what : what + " on a stray handle") + (detail.isEmpty() ? "" : " " + detail);
        last = what == failing ? failCode : ERROR_SUCCESS;
        return what != failing;
    }
};

// The platform's side of "Safely remove", in the same log as the port's calls.
class FakeRemovalWatch final : public RemovalWatch
{
public:
    explicit FakeRemovalWatch(FakeCommApi &api) : m_api(api) {}
    void watch(HANDLE h, const std::string &path) override { m_api.call("watch", h, QString::fromStdString(path)); }
    void closing(HANDLE h) override { m_api.call("unwatch", h); }

private:
    FakeCommApi &m_api;
};
} // namespace

class TestWin32SerialLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<SerialPlatform> platform = MakeSystemSerialPlatform(); // port n is COMn, 1 to 255
    FakeCommApi api;
    FakeRemovalWatch removal{api};
    std::unique_ptr<Win32SerialLink> link;

    // As the window opens a port.
    LinkResult open(int port = 1, bool dtr = true)
    {
        link->setPortNumber(port);
        link->configureLine();
        link->setDtr(dtr);
        return link->open();
    }

private slots:
    void init()
    {
        link.reset(); // the last test's, which may still be open
        api = FakeCommApi();
        link = std::make_unique<Win32SerialLink>(*platform, api, &removal);
    }

    void lineSetAtOpen_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("dtr");
        QTest::newRow("COM1, DTR wished down") << 1 << false;
        QTest::newRow("COM255, DTR wished up") << 255 << true;
    }
    void lineSetAtOpen()
    {
        QFETCH(int, port);
        QFETCH(bool, dtr);
        QVERIFY(open(port, dtr).ok());
        // COM10 and above open only by their device namespace name; read-write
        // (Wine refuses line settings on a write-only handle), not shared;
        // watched for removal once it is set up.
        QCOMPARE(api.calls, (QStringList{"CreateFileW \\\\.\\COM" + QString::number(port), "SetupComm", "GetCommState",
                                         "SetCommState", "SetCommTimeouts", "watch COM" + QString::number(port)}));
        QCOMPARE((QList<DWORD>{api.access, api.share, api.creation}),
                 (QList<DWORD>{GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING}));
        // 2400 baud, 8N1, RTS up, DTR as wished; no parity check, no flow
        // control of any kind, no halt on errors.
        const DCB &d = api.dcb;
        QCOMPARE((QList<DWORD>{d.BaudRate, d.ByteSize, d.Parity, d.StopBits, d.fRtsControl, d.fDtrControl, d.fParity,
                               d.fOutxCtsFlow, d.fOutxDsrFlow, d.fDsrSensitivity, d.fOutX, d.fInX, d.fAbortOnError}),
                 (QList<DWORD>{2400, 8, NOPARITY, ONESTOPBIT, RTS_CONTROL_ENABLE,
                               DWORD(dtr ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE), 0, 0, 0, 0, 0, 0, 0}));
        // A stuck line fails a write within a second or two, not never.
        QVERIFY(api.timeouts.WriteTotalTimeoutConstant > 0 && api.timeouts.WriteTotalTimeoutConstant <= 2000);
    }

    // A number that names no COM port, CreateFileW's errors, the line's
    // set-up refused.
    void openFailures_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<long>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *failing, long code, const char *message, LinkError error,
                            const char *text, int port = 7) {
            QTest::newRow(name) << port << QString(failing) << code << QString(message) << int(error) << QString(text);
        };
        row("port 256", "", 0, "", LinkError::NoDeviceForPort, "", 256);
        row("file not found", "CreateFileW", ERROR_FILE_NOT_FOUND, "No file.\r\n", LinkError::NoSuchDevice, "No file");
        row("path not found", "CreateFileW", ERROR_PATH_NOT_FOUND, "No path.\r\n", LinkError::NoSuchDevice, "No path");
        row("access denied, in French", "CreateFileW", ERROR_ACCESS_DENIED, "Refusé.\r\n", LinkError::InUse, "Refusé");
        row("sharing violation, no message", "CreateFileW", ERROR_SHARING_VIOLATION, "", LinkError::InUse,
            "system error 32");
        row("another error", "CreateFileW", ERROR_GEN_FAILURE, "Broken.\r\n", LinkError::OpenFailed, "Broken");
        // Wine's answer on a write-only handle: not another program's doing.
        row("line settings refused", "SetCommState", ERROR_ACCESS_DENIED, "Denied\r\n", LinkError::OpenFailed,
            "Denied");
        row("timeouts refused", "SetCommTimeouts", ERROR_INVALID_PARAMETER, "Bad.\n", LinkError::OpenFailed, "Bad");
    }
    void openFailures()
    {
        QFETCH(int, port);
        QFETCH(QString, failing);
        QFETCH(long, code);
        QFETCH(QString, message);
        QFETCH(int, error);
        QFETCH(QString, text);
        api.failing = failing;
        api.failCode = DWORD(code);
        api.message = message.toStdWString();
        const LinkResult result = open(port);
        QCOMPARE(int(result.error), error);
        QCOMPARE(result.devicePath, platform->devicePathForPort(port));
        QCOMPARE(QString::fromStdString(result.systemText), text);
        QVERIFY(!link->isOpen());
        // Nothing called for no port; a handle that was opened is closed again,
        // at once, never watched.
        QCOMPARE(api.calls.value(api.calls.size() - 1), failing.isEmpty()          ? QString()
                                                        : failing == "CreateFileW" ? "CreateFileW \\\\.\\COM7"
                                                                                   : "CloseHandle");
    }

    // Steps on COM1, open with DTR up and two bytes queued: the port's
    // answers ("fail CLRDTR", "take 2") and the link's calls; the calls made
    // and what the writes returned.
    void afterOpening_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
        const auto row = [](const char *name, const char *steps, const char *log) {
            QTest::newRow(name) << QString(steps) << QString(log);
        };
        row("DTR drops, and the port closes, once the queue is empty", "dtr off, dtr on, destroy",
            "ClearCommError, ClearCommError, CLRDTR, SETDTR, ClearCommError, unwatch, CloseHandle");
        row("DTR refused, port kept", "fail CLRDTR, dtr off, write",
            "ClearCommError, ClearCommError, CLRDTR, WriteFile 0d 00 53 13 8d, written");
        // The send ran on another thread than the one that watches the
        // handle: the port stays open for its owner to close, nothing is
        // written meanwhile, and the close does not wait for a queue that
        // will not drain.
        row("device gone", "fail WriteFile, write, write, dtr off, close, write, destroy",
            "WriteFile 0d 00 53 13 8d, failed: Gone, failed: Gone, CLRDTR, unwatch, CloseHandle, not open");
        row("timed out, part taken", "take 2, write, write, close",
            "WriteFile 0d 00 53 13 8d, failed: the port did not take the bytes, failed: the port did not take the "
            "bytes, unwatch, CloseHandle");
        // What failed is forgotten with the handle it failed on.
        row("opened again after a failure", "fail WriteFile, write, close, fail nothing, open, write, close",
            "WriteFile 0d 00 53 13 8d, failed: Gone, unwatch, CloseHandle, CreateFileW \\\\.\\COM1, SetupComm, "
            "GetCommState, SetCommState, SetCommTimeouts, watch COM1, WriteFile 0d 00 53 13 8d, written, "
            "ClearCommError, ClearCommError, unwatch, CloseHandle");
    }
    void afterOpening()
    {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        QVERIFY(open().ok());
        api.calls.clear();
        for (const QString &step : steps.split(", ")) {
            const QStringList words = step.split(' ');
            if (words[0] == "fail")
                api.failing = words[1];
            else if (words[0] == "take")
                api.taken = words[1].toUInt();
            else if (words[0] == "dtr")
                link->setDtr(words[1] == "on");
            else if (words[0] == "close")
                link->close();
            else if (words[0] == "open")
                link->open();
            else if (words[0] == "destroy")
                link.reset();
            else if (const LinkResult r = link->write(kPacket, sizeof kPacket); r.error == LinkError::WriteFailed)
                api.calls << "failed: " + QString::fromStdString(r.systemText);
            else
                api.calls << (r.ok() ? "written" : r.error == LinkError::NotOpen ? "not open" : "another error");
        }
        QCOMPARE(api.calls.join(", "), log);
    }

    void aStuckQueueHoldsCloseHalfASecond()
    {
        QVERIFY(open().ok());
        api.queued = {1};
        QElapsedTimer timer;
        timer.start();
        link->close();
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= 490 && elapsed < 1500, qPrintable(QString("%1 ms").arg(elapsed)));
        QVERIFY(!link->isOpen());
        QCOMPARE(api.calls.last(), QString("CloseHandle"));
    }
};

QTEST_GUILESS_MAIN(TestWin32SerialLink)
#include "tst_win32seriallink.moc"
