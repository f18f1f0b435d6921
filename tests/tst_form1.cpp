#include "support/FakeDeviceSource.h"
#include "support/PseudoTerminal.h"
#include "support/RecordingLink.h"
#include "ui/DigitFont.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {
// The port remembered between runs, in the test's own file.
const QString kPortMemory = QDir::temp().filePath(QStringLiteral("tst_form1-port-memory.conf"));

struct Window
{
    RecordingLink *link;
    std::shared_ptr<std::vector<SerialDevice>> devices;
    std::unique_ptr<Form1> form;

    // A fresh start forgets the port remembered by an earlier window.
    explicit Window(std::function<void(RecordingLink &)> prepare = {}, std::vector<SerialDevice> present = {},
                    bool freshStart = true)
        : devices(std::make_shared<std::vector<SerialDevice>>(std::move(present)))
    {
        auto recording = std::make_unique<RecordingLink>();
        link = recording.get();
        if (prepare)
            prepare(*link);
        if (freshStart)
            QFile::remove(kPortMemory);
        form = std::make_unique<Form1>(
            std::move(recording),
            std::make_unique<PortFinder>(std::make_unique<FakeDeviceSource>(devices), kPortMemory));
    }
    template <typename T = QWidget> T *control(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    QString digits() const
    {
        QString text;
        for (int cell = 0; cell < 4; ++cell)
            text += control<QLabel>(qPrintable(QStringLiteral("Label2_%1").arg(cell)))->text();
        return text;
    }
    void click(const char *button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    std::vector<std::string> writtenHex() const
    {
        std::vector<std::string> hex;
        for (const auto &write : link->writes)
            hex.push_back(ToHex(write.bytes));
        return hex;
    }
};

QString Joined(const std::vector<std::string> &calls)
{
    QStringList list;
    for (const auto &call : calls)
        list << QString::fromStdString(call);
    return list.join(QStringLiteral(" | "));
}

// Red ink pixels of `text` drawn in `font` from the top left of a canvas.
int inkPixels(const QFont &font, const QString &text, const QSize &canvas)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.drawText(QRect(QPoint(0, 0), canvas), Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}
} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");

        QTest::newRow("Label2 0") << "Label2_0" << QRect(32, 8, 73, 121);
        QTest::newRow("Label2 1") << "Label2_1" << QRect(112, 8, 73, 121);
        QTest::newRow("Label2 2") << "Label2_2" << QRect(256, 8, 73, 121);
        QTest::newRow("Label2 3") << "Label2_3" << QRect(336, 8, 73, 121);
        QTest::newRow("Command1 -") << "Command1" << QRect(56, 144, 41, 33);
        QTest::newRow("Command2 +") << "Command2" << QRect(128, 144, 41, 33);
        QTest::newRow("Command4 -") << "Command4" << QRect(256, 144, 41, 33);
        QTest::newRow("Command5 +") << "Command5" << QRect(328, 144, 41, 33);
        QTest::newRow("Command3 update") << "Command3" << QRect(160, 184, 105, 33);
        QTest::newRow("Command6 reset") << "Command6" << QRect(160, 224, 105, 25);
        QTest::newRow("Label1") << "Label1" << QRect(296, 200, 49, 17);
        QTest::newRow("Combo1") << "Combo1" << QRect(296, 216, 57, 21);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        Window window;
        QCOMPARE(window.form->size(), QSize(443, 269));
        QCOMPARE(window.form->minimumSize(), window.form->maximumSize());
        QCOMPARE(window.form->windowTitle(), QStringLiteral("Scoreboard"));
        QWidget *control = window.control(qPrintable(name));
        QVERIFY(control);
        QCOMPARE(control->geometry(), pixels);
    }

    void captionsAndFonts()
    {
        Window window;
        for (const char *name : {"Command1", "Command4"})
            QCOMPARE(window.control<QPushButton>(name)->text(), QStringLiteral("-"));
        for (const char *name : {"Command2", "Command5"})
            QCOMPARE(window.control<QPushButton>(name)->text(), QStringLiteral("+"));
        QCOMPARE(window.control<QPushButton>("Command1")->font().pointSizeF(), 13.5);
        QCOMPARE(window.control<QPushButton>("Command3")->text(), QStringLiteral("Update scoreboard"));
        QCOMPARE(window.control<QPushButton>("Command6")->text(), QStringLiteral("Reset Score"));
        QCOMPARE(window.control<QLabel>("Label1")->text(), QStringLiteral("COM-port"));
        QVERIFY(!window.form->windowIcon().isNull());

        for (int cell = 0; cell < 4; ++cell) {
            auto *label = window.control<QLabel>(qPrintable(QStringLiteral("Label2_%1").arg(cell)));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QVERIFY(!label->wordWrap());
            if (QFontDatabase::families().contains("DSEG7 Classic") && !QFontDatabase::families().contains("LcdD"))
                QCOMPARE(label->font().family(), QStringLiteral("DSEG7 Classic"));
        }
    }

    void everyDigitIsWhollyVisibleAndLarge_data()
    {
        QTest::addColumn<QFont>("font");
        const QSize box(73, 121);
        QFont sans(QStringLiteral("Sans Serif"));
        sans.setBold(true);
        QTest::newRow("chosen") << ChooseDigitFont(box);
        QTest::newRow("seven-segment") << LargestDigitFont(QFont(QStringLiteral("DSEG7 Classic")), 200, box);
        QTest::newRow("bold sans-serif") << LargestDigitFont(sans, 200, box);
        QTest::newRow("specified size, shrunk to fit") << LargestDigitFont(sans, 99, box);
    }
    void everyDigitIsWhollyVisibleAndLarge()
    {
        QFETCH(QFont, font);
        const QSize box(73, 121);
        for (char digit = '0'; digit <= '9'; ++digit) {
            const QString text(QChar::fromLatin1(digit));
            // Drawn into the box, the digit loses no ink it has on a big canvas.
            QCOMPARE(inkPixels(font, text, box), inkPixels(font, text, box * 3));
        }
        // As large as fits: half a point more would no longer fit.
        QFont larger = font;
        larger.setPointSizeF(font.pointSizeF() + 0.5);
        QVERIFY(!DigitsFit(larger, box));
    }

    void focusStartsInTheSelector()
    {
        Window window;
        window.form->show();
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        QCOMPARE(QApplication::focusWidget(), window.control("Combo1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.control("Command1"));
    }

    void loadingListsTheProbedPortsAndOpensTheFirst()
    {
        Window window;
        auto *combo = window.control<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("1"));
        QCOMPARE(combo->itemText(1), QStringLiteral("2"));
        QCOMPARE(combo->currentText(), QStringLiteral("1"));
        QVERIFY(window.link->isOpen());
        QCOMPARE(window.link->portNumber(), 1);
        // Probes and one selection; nothing sent when both ports answer.
        const std::vector<std::string> expected{
            "setPortNumber 1", "open",      "close", "setPortNumber 2", "open", "close", "setPortNumber 1",
            "configureLine",   "setDtr on", "open"};
        QCOMPARE(Joined(window.link->calls), Joined(expected));
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 1 (/dev/fake1) open"));
    }

    void scoreButtonsChangeDigitsAndSendNothing()
    {
        Window window;
        for (int i = 0; i < 8; ++i)
            window.click("Command2");
        QCOMPARE(window.digits(), QStringLiteral("0800"));
        window.click("Command4");
        QCOMPARE(window.digits(), QStringLiteral("0899"));
        window.click("Command5");
        window.click("Command1");
        QCOMPARE(window.digits(), QStringLiteral("0700"));
        QVERIFY(window.link->writes.empty());
    }

    void updateSendsTheDigitsShown()
    {
        Window window;
        for (int i = 0; i < 8; ++i)
            window.click("Command2");
        window.click("Command3");
        const std::vector<std::string> expected{"0D 01 41 30 81 0D 01 41 30 81", "0D 02 41 38 78 0D 02 41 38 78",
                                                "0D 03 41 30 7F 0D 03 41 30 7F", "0D 04 41 30 7E 0D 04 41 30 7E",
                                                "0D 00 53 13 8D"};
        QCOMPARE(window.writtenHex(), expected);
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Sent to port 1 at ")));
    }

    void resetShowsZerosBeforeSending()
    {
        Window window;
        window.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
        window.click("Command2");
        window.click("Command5");
        window.click("Command5");
        QCOMPARE(window.digits(), QStringLiteral("0102"));

        // Grab what is on screen as the first byte is about to leave.
        QImage shownAtFirstWrite;
        window.link->beforeWrite = [&] {
            if (shownAtFirstWrite.isNull())
                shownAtFirstWrite = window.form->grab().toImage();
        };
        window.click("Command6");
        QCOMPARE(window.digits(), QStringLiteral("0000"));
        QCOMPARE(window.link->writes.size(), std::size_t(5));
        // Cell 3 showed "2"; at the first write it must already show "0", as
        // cell 0 (always "0") does.
        const QRect cell0(32, 8, 73, 121), cell3(336, 8, 73, 121);
        QCOMPARE(shownAtFirstWrite.copy(cell3), shownAtFirstWrite.copy(cell0));
    }

    void typingIntoTheSelectorReopensOnEveryKeystroke()
    {
        Window window;
        auto *combo = window.control<QComboBox>("Combo1");
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
        window.link->calls.clear();
        QTest::keyClicks(combo->lineEdit(), "12");
        // The fake opens any number, so the emptied text left port 0 open.
        const std::vector<std::string> expected{"close", "setPortNumber 1",  "configureLine", "setDtr on", "open",
                                                "close", "setPortNumber 12", "configureLine", "setDtr on", "open"};
        QCOMPARE(Joined(window.link->calls), Joined(expected));
        QCOMPARE(combo->count(), 2); // typed text is not added to the list
    }

    void failuresAreShownInTheStatusLine()
    {
        Window window([](RecordingLink &link) { link.failOpen = true; });
        QCOMPARE(window.form->statusText(),
                 QStringLiteral("No board on port 1 or 2 (1: no such device; 2: no such device). No other serial "
                                "device found - plug in the adapter or type a port number under COM-port"));
        QCOMPARE(window.control<QComboBox>("Combo1")->currentText(), QStringLiteral("Combo1"));

        window.click("Command3");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        window.click("Command6");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        QVERIFY(window.link->writes.empty());

        window.control<QComboBox>("Combo1")->setEditText(QStringLiteral("3"));
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 3 (/dev/fake3): no such device"));

        window.link->failOpen = false;
        window.control<QComboBox>("Combo1")->setEditText(QStringLiteral("4"));
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 4 (/dev/fake4) open"));
    }

    void anAdapterSentToIsListedAndFoundAgainInAnotherSocket()
    {
        const UsbIdentity ftdi{0x0403, 0x6001, "A50285BI"};
        const auto onlyAdapters = [](RecordingLink &link) { link.failingPorts = {1, 2}; };
        Window first(onlyAdapters, {FakeDevice(33, "/dev/fake33", "FT232R USB UART", ftdi)});
        auto *combo = first.control<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), QStringLiteral("33: FT232R USB UART (/dev/fake33)"));
        QVERIFY(first.form->statusText().endsWith(
            QStringLiteral("Found 33 FT232R USB UART (fake33) - pick it under COM-port")));

        // Typing "33" passes through port 3, which is never sent to.
        combo->setEditText(QStringLiteral("3"));
        Window notSentTo(onlyAdapters, {FakeDevice(33, "/dev/fake33", "FT232R USB UART", ftdi)}, false);
        QVERIFY(!notSentTo.link->isOpen());
        combo->setEditText(QStringLiteral("33"));
        first.click("Command3");

        // The same adapter, now in another socket: opened at start, nothing sent.
        Window second(onlyAdapters, {FakeDevice(34, "/dev/fake34", "FT232R USB UART", ftdi)}, false);
        QCOMPARE(second.form->statusText(), QStringLiteral("Port 34 (/dev/fake34) open - the adapter used last time"));
        QCOMPARE(second.control<QComboBox>("Combo1")->currentText(),
                 QStringLiteral("34: FT232R USB UART (/dev/fake34)"));
        QVERIFY(second.link->writes.empty());
    }

    void aPortThatGoesAwayDuringAnUpdateIsReported()
    {
        Window window;
        window.link->writesBeforeFailure = 1;
        window.click("Command3");
        QCOMPARE(window.form->statusText(),
                 QStringLiteral(
                     "Not sent: port 1 (/dev/fake1) stopped working - check the cable, then choose the port again"));
        QVERIFY(!window.link->isOpen());
    }

    void destroyingTheWindowDropsDtrThenCloses()
    {
        std::vector<std::string> calls; // outlives the link, which dies with the window
        Window window([&](RecordingLink &link) { link.mirror = &calls; });
        calls.clear();
        window.form.reset();
        QCOMPARE(calls, (std::vector<std::string>{"setDtr off", "close"}));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
