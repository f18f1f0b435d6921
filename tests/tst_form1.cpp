#include "support/FakeDeviceSource.h"
#include "support/PseudoTerminal.h"
#include "support/RecordingLink.h"
#include "ui/DigitFont.h"
#include "ui/Form1.h"
#include "ui/ReadableRed.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
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
    QComboBox *combo() const { return control<QComboBox>("Combo1"); }
    void showActive() const
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(combo()->lineEdit()->selectedText(), combo()->currentText()); // typing replaces it
    }
    void pickWithMouse(int entry) const
    {
        combo()->showPopup();
        QAbstractItemView *list = combo()->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(entry, 0)).center());
    }
    long opens() const { return std::count(link->calls.begin(), link->calls.end(), "open"); }
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
QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

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
    // Twips at the screen's dots per inch: ctest runs this at 96 and at 144.
    void geometryInTwipsAtTheScreensDpi_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("at96dpi");
        QTest::addColumn<QRect>("at144dpi");
        QTest::newRow("Form1") << "Form1" << QRect(0, 0, 443, 269) << QRect(0, 0, 665, 404);
        QTest::newRow("Label2 0") << "Label2_0" << QRect(32, 8, 73, 121) << QRect(48, 12, 110, 182);
        QTest::newRow("Command5 +") << "Command5" << QRect(328, 144, 41, 33) << QRect(492, 216, 62, 50);
        QTest::newRow("Command6 reset") << "Command6" << QRect(160, 224, 105, 25) << QRect(240, 336, 158, 38);
        QTest::newRow("Label1") << "Label1" << QRect(296, 200, 49, 17) << QRect(444, 300, 74, 26);
        QTest::newRow("Combo1") << "Combo1" << QRect(296, 216, 57, 21) << QRect(444, 324, 86, 32);
    }
    void geometryInTwipsAtTheScreensDpi()
    {
        QFETCH(QString, name);
        QFETCH(QRect, at96dpi);
        QFETCH(QRect, at144dpi);
        Window window;
        const int dpi = window.form->logicalDpiX();
        if (dpi != 96 && dpi != 144)
            QSKIP("laid out here for 96 and 144 dpi");
        QWidget *control = name == "Form1" ? window.form.get() : window.control(qPrintable(name));
        QCOMPARE(control->geometry().size(), (dpi == 96 ? at96dpi : at144dpi).size());
        if (control != window.form.get())
            QCOMPARE(control->geometry().topLeft(), (dpi == 96 ? at96dpi : at144dpi).topLeft());
        auto *digit = window.control<QLabel>("Label2_0");
        QVERIFY(DigitsFit(digit->font(), digit->size(), digit));
    }

    // Captions whole in the desktop's font, else a narrower face, else smaller.
    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QFont>("desktop");
        QTest::addColumn<qreal>("pointSizeAt96dpi");
        QFont twelve(QStringLiteral("DejaVu Sans"), 12), narrowEight(QStringLiteral("Liberation Sans Narrow"), 8);
        QTest::newRow("toolkit's 9 pt: narrower") << QApplication::font() << 9.0;
        QTest::newRow("desktop 12 pt: narrower and smaller") << twelve << 10.0;
        QTest::newRow("desktop font that fits: kept") << narrowEight << 8.0;
    }
    void captionsFitTheirControls()
    {
        QFETCH(QFont, desktop);
        QFETCH(qreal, pointSizeAt96dpi);
        const QFont saved = QApplication::font();
        QApplication::setFont(desktop);
        Window window;
        QApplication::setFont(saved);
        const QFont font = window.control("Command3")->font();
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans Narrow")); // fonts-liberation, from ./dev
        if (window.form->logicalDpiX() == 96)
            QCOMPARE(font.pointSizeF(), pointSizeAt96dpi);
        const int frame = window.form->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (const char *name : {"Command1", "Command3", "Command6", "Label1"}) {
            QWidget *control = window.control(name);
            const int inset = qobject_cast<QLabel *>(control) ? 0 : 2 * frame;
            const QFontMetricsF metrics(control->font(), control);
            QVERIFY2(metrics.horizontalAdvance(control->property("text").toString()) <= control->width() - inset, name);
            QVERIFY2(metrics.height() <= control->height() - inset, name);
        }
    }

    void failureRedReadsOnLightAndDark()
    {
        for (const QColor background : {QColor(Qt::white), QColor(0xef, 0xef, 0xef), QColor(0x35, 0x35, 0x35)}) {
            const QColor red = ReadableRed(background);
            QVERIFY2(ContrastRatio(red, background) >= 4.5, qPrintable(red.name()));
            QCOMPARE(red.hslHue(), 0);
        }
        QCOMPARE(ReadableRed(Qt::black), QColor(255, 0, 0)); // reads there as it is
        Window window([](RecordingLink &link) { link.failOpen = true; });
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        window.form->setPalette(dark);
        window.click("Command3");
        QCOMPARE(window.control("StatusLine")->palette().color(QPalette::WindowText),
                 ReadableRed(dark.window().color()));
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
        const QList<QSize> iconSizes = window.form->windowIcon().availableSizes();
        for (const int size : {16, 24, 32, 48, 64})
            QVERIFY2(iconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QVERIFY(!window.form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

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
        window.showActive();
        QCOMPARE(QApplication::focusWidget(), window.control("Combo1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.control("Command1"));
    }

    // A pick from the list reopens the port once; leaving the field or Enter
    // never does, even with the text of a list entry typed in it.
    void selectorReopensOnlyOnAPick_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<long>("reopens");
        QTest::addColumn<QString>("text");
        QTest::newRow("typed entry, then click on Update") << "click Update" << 0L << "2";
        QTest::newRow("typed entry, then Tab") << "Tab" << 0L << "2";
        QTest::newRow("typed entry, then Enter") << "Enter" << 0L << "2";
        QTest::newRow("mouse pick of another entry") << "mouse 1" << 1L << "2";
        QTest::newRow("mouse pick of the entry typed") << "mouse 1" << 1L << "2";
        QTest::newRow("arrow key in the closed box") << "Down" << 1L << "2";
    }
    void selectorReopensOnlyOnAPick()
    {
        QFETCH(QString, action);
        QFETCH(long, reopens);
        QFETCH(QString, text);
        Window window;
        window.showActive();
        QLineEdit *edit = window.combo()->lineEdit();
        if (reopens == 0 || QByteArray(QTest::currentDataTag()).contains("typed"))
            QTest::keyClick(edit, Qt::Key_2); // replaces "1", reopening as typed
        window.link->calls.clear();
        if (action == "click Update")
            window.click("Command3");
        else if (action == "Tab" || action == "Enter")
            QTest::keyClick(edit, action == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
        else if (action.startsWith("mouse "))
            window.pickWithMouse(action.mid(6).toInt());
        else
            QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(window.opens(), reopens);
        QCOMPARE(window.combo()->currentText(), text);
    }

    void enterAndSpacePressTheFocusedButton()
    {
        Window window;
        window.showActive();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            window.control("Command2")->setFocus();
            QTest::keyClick(window.control("Command2"), key);
        }
        QCOMPARE(window.digits(), QStringLiteral("0300"));
    }

    void screenReadersTellTheControlsApart()
    {
        Window window;
        for (const char *button : {"Command2", "Command2", "Command1", "Command5"})
            window.click(button);
        QCOMPARE(accessibleName(window.control("Command1")), QStringLiteral("Left score: minus"));
        QCOMPARE(accessibleName(window.control("Command5")), QStringLiteral("Right score: plus"));
        QCOMPARE(accessibleName(window.control("Label2_1")), QStringLiteral("Left score 01"));
        QCOMPARE(accessibleName(window.control("Label2_2")), QStringLiteral("Right score 01"));
        const auto labels = QAccessible::queryAccessibleInterface(window.combo())->relations(QAccessible::Label);
        QCOMPARE(labels.value(0).first->object(), window.control("Label1"));
        // Read by its text, which QLabel reports on every change.
        QCOMPARE(accessibleName(window.control("StatusLine")), window.form->statusText());
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
        QVERIFY2(window.form->statusText().contains(QRegularExpression(
                     QStringLiteral("^Board shows 08 00 - sent to port 1 at \\d\\d:\\d\\d:\\d\\d$"))),
                 qPrintable(window.form->statusText()));
    }

    // The status line says whether the board shows the window's digits.
    void statusTellsWhetherTheBoardIsBehind()
    {
        Window window;
        window.click("Command3");
        const QString boardShowsZeros = window.form->statusText();
        const QString behind = QStringLiteral("Not on the board yet - press Update scoreboard");
        window.click("Command5");
        QCOMPARE(window.form->statusText(), behind);
        window.click("Command4");
        QCOMPARE(window.form->statusText(), boardShowsZeros);
        window.click("Command2");
        window.link->writesBeforeFailure = 1;
        window.click("Command3");
        window.click("Command1"); // a failed send left the board as it was
        QCOMPARE(window.form->statusText(), boardShowsZeros);
        QCOMPARE(window.link->writes.size(), std::size_t(5 + 1)); // nothing sent but by the updates
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
        const QRect cell0 = window.control("Label2_0")->geometry();
        const QRect cell3 = window.control("Label2_3")->geometry();
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
                 QStringLiteral("No board on port 1 or 2 (both: no such device). No other serial device found - "
                                "plug in the adapter or type a port number under COM-port"));
        QCOMPARE(window.control<QComboBox>("Combo1")->currentText(), QStringLiteral("Combo1"));

        window.click("Command3");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        window.click("Command6");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        QVERIFY(window.link->writes.empty());

        window.combo()->lineEdit()->selectAll();
        QTest::keyClicks(window.combo()->lineEdit(), "3");
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 3 (/dev/fake3): no such device"));

        window.link->failOpen = false;
        window.combo()->lineEdit()->selectAll();
        QTest::keyClicks(window.combo()->lineEdit(), "4");
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
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_3);
        Window notSentTo(onlyAdapters, {FakeDevice(33, "/dev/fake33", "FT232R USB UART", ftdi)}, false);
        QVERIFY(!notSentTo.link->isOpen());
        QTest::keyClick(combo->lineEdit(), Qt::Key_3);
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
