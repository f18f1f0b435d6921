#include "match/Language.h"
#include "match/StatusText.h"
#include "support/Hex.h"
#include "support/SendGate.h"
#include "support/TestMatch.h"
#include "ui/DigitFont.h"
#include "ui/Form1.h"
#include "ui/KeyMap.h"
#include "ui/ReadableRed.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTextDocument>

#include <thread>

namespace {
const UsbIdentity kFtdi{0x0403, 0x6001, "A50285BI", ""};

// The window on a recording link, prepared by the test before the window
// loads, with the given devices present; its keys from the settings, as the
// program reads them.
// The window's words in `language` while it lasts; English after.
struct SpeakingFor
{
    explicit SpeakingFor(const QString &language) { Language::install(language); }
    ~SpeakingFor() { Language::install(QStringLiteral("en")); }
    SpeakingFor(const SpeakingFor &) = delete;
    SpeakingFor &operator=(const SpeakingFor &) = delete;
};

struct Window : TestMatch
{
    explicit Window(const std::function<void(RecordingLink &)> &prepare = {}, std::vector<SerialDevice> present = {},
                    const QString &settingsFolder = {})
        : TestMatch([&](FakeSerialPlatform &fake) { fake.present = std::move(present); },
                    [&](const SerialPlatform &) {
                        auto made = std::make_unique<RecordingLink>();
                        if (prepare)
                            prepare(*made);
                        return made;
                    },
                    settingsFolder),
          form(std::make_unique<Form1>(*match, KeyMap(settings))), link(recording)
    {
        // The start-up command, where due, is on the wire as the window
        // loads: each test starts once it has ended.
        WaitFor([this] { return !match->sending(); });
    }

    std::unique_ptr<Form1> form;
    RecordingLink *link;

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
    // Update or Reset, and the send's outcome shown.
    void clickAndWaitForTheSend(const char *button) const
    {
        click(button);
        QVERIFY(WaitFor([this] { return !match->sending(); }));
    }
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

// The label's text laid out in its box, as the label lays it out.
std::unique_ptr<QTextDocument> laidOut(const QLabel &label)
{
    auto layout = std::make_unique<QTextDocument>();
    layout->setDocumentMargin(0);
    layout->setDefaultFont(label.font());
    if (label.textFormat() == Qt::RichText)
        layout->setHtml(label.text());
    else
        layout->setPlainText(label.text());
    layout->setTextWidth(label.contentsRect().width());
    return layout;
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
    // In every language built in: German and French run long.
    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QFont>("desktop");
        QTest::addColumn<qreal>("pointSizeAt96dpi");
        QFont twelve(QStringLiteral("DejaVu Sans"), 12), narrowEight(QStringLiteral("Liberation Sans Narrow"), 8);
        QTest::newRow("toolkit's 9 pt: narrower") << "en" << QApplication::font() << 9.0;
        QTest::newRow("desktop 12 pt: narrower and smaller") << "en" << twelve << 10.0;
        QTest::newRow("desktop font that fits: kept") << "en" << narrowEight << 8.0;
        for (const QString &language : Language::translated())
            for (const QFont &font : {QApplication::font(), twelve})
                QTest::addRow("%s, %g pt", qPrintable(language), font.pointSizeF()) << language << font << 0.0;
    }
    void captionsFitTheirControls()
    {
        QFETCH(QString, language);
        QFETCH(QFont, desktop);
        QFETCH(qreal, pointSizeAt96dpi);
        const SpeakingFor speaking(language);
        const QFont saved = QApplication::font();
        QApplication::setFont(desktop);
        Window window;
        QApplication::setFont(saved);
        const QFont font = window.control("Command3")->font();
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans Narrow")); // fonts-liberation, from ./dev
        if (window.form->logicalDpiX() == 96 && pointSizeAt96dpi > 0)
            QCOMPARE(font.pointSizeF(), pointSizeAt96dpi);
        for (const char *name : {"Command3", "Command6", "Label1"})
            if (window.form->logicalDpiX() == 96)
                QVERIFY2(window.control(name)->font().pointSizeF() >= 8, name);
        const int frame = window.form->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (const char *name : {"Command1", "Command3", "Command6", "Label1"}) {
            QWidget *control = window.control(name);
            const int inset = qobject_cast<QLabel *>(control) ? 0 : 2 * frame;
            const QFontMetricsF metrics(control->font(), control);
            const QString shown = control->property("text").toString().remove(QRegularExpression("&(?=.)"));
            QVERIFY2(metrics.horizontalAdvance(shown) <= control->width() - inset, name);
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
        window.clickAndWaitForTheSend("Command3");
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
        // As read on screen and by screen readers; the mnemonic's "&" is an underline.
        QCOMPARE(accessibleName(window.control("Command3")), QStringLiteral("Update scoreboard"));
        QCOMPARE(accessibleName(window.control("Command6")), QStringLiteral("Reset Score"));
        QCOMPARE(accessibleName(window.control("Label1")), QStringLiteral("COM-port"));
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
        QTest::newRow("99 pt, shrunk to fit") << LargestDigitFont(sans, 99, box);
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
            window.clickAndWaitForTheSend("Command3");
        else if (action == "Tab" || action == "Enter")
            QTest::keyClick(edit, action == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
        else
            window.pickWithMouse(action.mid(6).toInt());
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

    // Every key acts wherever the focus is, here in the COM-port field,
    // whose text stays: it does what its button's click does. F12 asks first.
    void keysPressTheButtons_data()
    {
        QTest::addColumn<QString>("setup"); // a key setting "Keys/name=value", or a button disabled
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("answer"); // to the dialog the key opened
        QTest::addColumn<QString>("digits"); // from 02 01
        QTest::addColumn<int>("sends");
        QTest::addColumn<bool>("saysTrouble");
        QTest::newRow("F2: left minus") << ""
                                        << "F2"
                                        << ""
                                        << "0101" << 0 << false;
        QTest::newRow("F3: left plus") << ""
                                       << "F3"
                                       << ""
                                       << "0301" << 0 << false;
        QTest::newRow("F6: right minus") << ""
                                         << "F6"
                                         << ""
                                         << "0200" << 0 << false;
        QTest::newRow("F7: right plus") << ""
                                        << "F7"
                                        << ""
                                        << "0202" << 0 << false;
        QTest::newRow("F9: update") << ""
                                    << "F9"
                                    << ""
                                    << "0201" << 1 << false;
        QTest::newRow("Page Down, a clicker's: update") << ""
                                                        << "PgDown"
                                                        << ""
                                                        << "0201" << 1 << false;
        QTest::newRow("F12, Enter: reset") << ""
                                           << "F12"
                                           << "Return"
                                           << "0000" << 1 << false;
        QTest::newRow("F12, Y: reset") << ""
                                       << "F12"
                                       << "Y"
                                       << "0000" << 1 << false;
        QTest::newRow("F12, Esc: nothing") << ""
                                           << "F12"
                                           << "Esc"
                                           << "0201" << 0 << false;
        QTest::newRow("Page Up, a clicker's: nothing") << ""
                                                       << "PgUp"
                                                       << ""
                                                       << "0201" << 0 << false;
        QTest::newRow("F1: the list of keys, Esc closes it") << ""
                                                             << "F1"
                                                             << "Esc"
                                                             << "0201" << 0 << false;
        QTest::newRow("Alt+U, a mnemonic: update") << ""
                                                   << "Alt+U"
                                                   << ""
                                                   << "0201" << 1 << false;
        QTest::newRow("Alt+S, a mnemonic: reset, after Enter") << ""
                                                               << "Alt+S"
                                                               << "Return"
                                                               << "0000" << 1 << false;
        QTest::newRow("F9 on a disabled Update: nothing") << "Command3 disabled"
                                                          << "F9"
                                                          << ""
                                                          << "0201" << 0 << false;
        QTest::newRow("left plus set to F8: F8") << "Keys/leftPlus=F8"
                                                 << "F8"
                                                 << ""
                                                 << "0301" << 0 << false;
        QTest::newRow("left plus set to F8: F3 no more") << "Keys/leftPlus=F8"
                                                         << "F3"
                                                         << ""
                                                         << "0201" << 0 << false;
        QTest::newRow("update set to Ctrl+F10; PgUp: PgUp") << "Keys/update=Ctrl+F10; PgUp"
                                                            << "PgUp"
                                                            << ""
                                                            << "0201" << 1 << false;
        QTest::newRow("update set to no key: F9 kept, said") << "Keys/update=banana"
                                                             << "F9"
                                                             << ""
                                                             << "0201" << 1 << true;
        QTest::newRow("update set to a digit, which types: F9 kept, said") << "Keys/update=5"
                                                                           << "F9"
                                                                           << ""
                                                                           << "0201" << 1 << true;
        QTest::newRow("left minus set to left plus's F3: F2 kept, said") << "Keys/leftMinus=F3"
                                                                         << "F2"
                                                                         << ""
                                                                         << "0101" << 0 << true;
        QTest::newRow("left minus set to left plus's F3: F3 still plus") << "Keys/leftMinus=F3"
                                                                         << "F3"
                                                                         << ""
                                                                         << "0301" << 0 << true;
    }
    void keysPressTheButtons()
    {
        QFETCH(QString, setup);
        QFETCH(QString, key);
        QFETCH(QString, answer);
        QFETCH(QString, digits);
        QFETCH(int, sends);
        QFETCH(bool, saysTrouble);
        QTemporaryDir settings;
        if (setup.startsWith("Keys/"))
            QSettings(settings.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat)
                .setValue(setup.section('=', 0, 0), setup.section('=', 1));
        Window window({}, {}, settings.path());
        // Said once, after the start's status; gone with the next click.
        const QStringList trouble = KeyMap(window.settings).problems();
        QCOMPARE(!trouble.isEmpty(), saysTrouble);
        if (saysTrouble)
            QVERIFY2(window.form->statusText().endsWith(trouble.join(' ')), qPrintable(window.form->statusText()));
        window.showActive();
        for (const char *button : {"Command2", "Command2", "Command5"})
            window.click(button);
        if (saysTrouble)
            QVERIFY(!window.form->statusText().contains(trouble.first()));
        if (setup == "Command3 disabled")
            window.control("Command3")->setEnabled(false);
        QLineEdit *field = window.combo()->lineEdit();
        field->setFocus();
        const QString fieldText = field->text();
        window.link->writes.clear();

        const QKeyCombination pressed = QKeySequence(key)[0];
        QTest::keyClick(field, pressed.key(), pressed.keyboardModifiers());
        QPointer<QMessageBox> asked = window.form->findChild<QMessageBox *>();
        QCOMPARE(bool(asked), !answer.isEmpty());
        if (asked) {
            QTRY_VERIFY(asked->isVisible());
            if (key == "F1") // the list names the keys
                QVERIFY(asked->text().contains(QKeySequence(Qt::Key_F9).toString(QKeySequence::NativeText)));
            QTest::keyClick(asked, QKeySequence(answer)[0].key());
            QTRY_VERIFY(!asked || !asked->isVisible());
        } else {
            QCOMPARE(QApplication::focusWidget(), window.combo());
        }
        QVERIFY(WaitFor([&] { return !window.match->sending(); }));
        QCOMPARE(window.digits(), digits);
        QCOMPARE(window.link->writes.size(), std::size_t(5 * sends));
        QCOMPARE(field->text(), fieldText);
    }

    // Alt and a caption's underlined letter: none on a key of the window or
    // on another caption's letter, in whichever language.
    void mnemonicsClashWithNoKey_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("captions"); // none: the window's own
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("clashes");
        for (const QString &language : Language::translated())
            QTest::addRow("the window's captions, %s", qPrintable(language)) << language << QStringList() << "" << 0;
        QTest::newRow("two captions on one letter") << "en" << QStringList{"&Update", "&Undo", "C&OM"} << "" << 1;
        QTest::newRow("a club's help key on Update's Alt+U") << "en" << QStringList() << "Keys/help=Alt+U" << 1;
    }
    void mnemonicsClashWithNoKey()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QFETCH(QString, setting);
        QFETCH(int, clashes);
        const SpeakingFor speaking(language);
        QTemporaryDir settings;
        if (!setting.isEmpty())
            QSettings(settings.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat)
                .setValue(setting.section('=', 0, 0), setting.section('=', 1));
        Window window({}, {}, settings.path());
        if (captions.isEmpty()) {
            captions = window.form->mnemonicCaptions();
            QCOMPARE(captions.join(QString()).count(QLatin1Char('&')), 3); // each caption has its letter
        }
        const QStringList found = mnemonicClashes(captions, KeyMap(window.settings));
        QVERIFY2(found.size() == clashes, qPrintable(found.join(QStringLiteral("; "))));
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
        // Each button's key with it: the button's shortcut is its key
        // binding (AT-SPI); a caption's mnemonic its accelerator (UI
        // Automation's access key).
        const std::pair<const char *, const char *> keys[] = {{"Command1", "F2"}, {"Command2", "F3"},
                                                              {"Command3", "F9"}, {"Command4", "F6"},
                                                              {"Command5", "F7"}, {"Command6", "F12"}};
        for (const auto &[name, key] : keys) {
            QAccessibleActionInterface *pressing =
                QAccessible::queryAccessibleInterface(window.control(name))->actionInterface();
            QCOMPARE(pressing->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{key});
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(window.control("Command3"))->text(QAccessible::Accelerator),
                 QStringLiteral("Alt+U"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window.control("Command6"))->text(QAccessible::Accelerator),
                 QStringLiteral("Alt+S"));
        const auto labels = QAccessible::queryAccessibleInterface(window.combo())->relations(QAccessible::Label);
        QCOMPARE(labels.value(0).first->object(), window.control("Label1"));
        // Its whole text, also where it is shown in a smaller size.
        QWidget *status = window.control("StatusLine");
        QCOMPARE(accessibleName(status), window.form->statusText());
        QCOMPARE(status->toolTip(), window.form->statusText());
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
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 1 (/dev/fake1) open."));
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
        window.clickAndWaitForTheSend("Command3");
        const std::vector<std::string> expected{"0D 01 41 30 81 0D 01 41 30 81", "0D 02 41 38 78 0D 02 41 38 78",
                                                "0D 03 41 30 7F 0D 03 41 30 7F", "0D 04 41 30 7E 0D 04 41 30 7E",
                                                "0D 00 53 13 8D"};
        QCOMPARE(window.writtenHex(), expected);
        QVERIFY2(window.form->statusText().contains(QRegularExpression(
                     QStringLiteral("^Board shows 08 00 - sent to port 1 at \\d\\d:\\d\\d:\\d\\d\\.$"))),
                 qPrintable(window.form->statusText()));
    }

    // The status line says whether the board shows the window's digits.
    void statusTellsWhetherTheBoardIsBehind()
    {
        Window window;
        window.clickAndWaitForTheSend("Command3");
        const QString boardShowsZeros = window.form->statusText();
        const QString behind = QStringLiteral("Not on the board yet - press Update scoreboard.");
        window.click("Command5");
        QCOMPARE(window.form->statusText(), behind);
        window.click("Command4");
        QCOMPARE(window.form->statusText(), boardShowsZeros);
        window.click("Command2");
        window.link->writesBeforeFailure = 1;
        window.clickAndWaitForTheSend("Command3");
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

        // What is on screen as the first byte is about to leave.
        SendGate gate(*window.link);
        gate.close();
        window.click("Command6");
        QVERIFY(gate.holding());
        const QImage shownAtFirstWrite = window.form->grab().toImage();
        gate.open();
        QVERIFY(WaitFor([&] { return !window.match->sending(); }));
        QCOMPARE(window.digits(), QStringLiteral("0000"));
        QCOMPARE(window.link->writes.size(), std::size_t(5));
        // Cell 3 showed "2"; at the first write it must already show "0", as
        // cell 0 (always "0") does.
        const QRect cell0 = window.control("Label2_0")->geometry();
        const QRect cell3 = window.control("Label2_3")->geometry();
        QCOMPARE(shownAtFirstWrite.copy(cell3), shownAtFirstWrite.copy(cell0));
    }

    // The window never waits for the wire: "+" during an update shows at
    // once, and every control stays usable.
    void theWindowGoesOnDuringASend()
    {
        Window window;
        SendGate gate(*window.link);
        gate.close();
        window.click("Command3");
        QVERIFY(gate.holding());
        window.click("Command2");
        window.click("Command5");
        QCOMPARE(window.digits(), QStringLiteral("0101"));
        for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Combo1"})
            QVERIFY2(window.control(name)->isEnabled(), name);
        gate.open();
        QVERIFY(WaitFor([&] { return !window.match->sending(); }));
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
                 QStringLiteral("No other serial device - plug in the adapter. Ports 1 and 2: no such device."));
        QCOMPARE(window.control<QComboBox>("Combo1")->currentText(), QStringLiteral("Combo1"));

        window.clickAndWaitForTheSend("Command3");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        window.clickAndWaitForTheSend("Command6");
        QVERIFY(window.form->statusText().startsWith(QStringLiteral("Not sent: no port is open")));
        QVERIFY(window.link->writes.empty());

        window.combo()->lineEdit()->selectAll();
        QTest::keyClicks(window.combo()->lineEdit(), "3");
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 3 (/dev/fake3): no such device."));

        window.link->failOpen = false;
        window.combo()->lineEdit()->selectAll();
        QTest::keyClicks(window.combo()->lineEdit(), "4");
        QCOMPARE(window.form->statusText(), QStringLiteral("Port 4 (/dev/fake4) open."));
    }

    // Up and Down in the closed box step through the list from whatever the
    // field holds; each step is a pick.
    void arrowKeysStepThroughTheList_data()
    {
        QTest::addColumn<QString>("failing"); // ports whose probe fails
        QTest::addColumn<QString>("typed");   // first, or nothing: the text the start left
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<long>("reopens");
        QTest::newRow("Down from a typed number: the first entry") << ""
                                                                   << "7" << int(Qt::Key_Down) << "1" << 1L;
        QTest::newRow("Down: the next entry") << ""
                                              << "" << int(Qt::Key_Down) << "2" << 1L;
        QTest::newRow("Up at the first entry: stays") << ""
                                                      << "" << int(Qt::Key_Up) << "1" << 0L;
        QTest::newRow("one entry: Up selects it") << "1"
                                                  << "7" << int(Qt::Key_Up) << "2" << 1L;
        QTest::newRow("Combo1: Down selects the first")
            << "1 2"
            << "" << int(Qt::Key_Down) << "33: FT232R USB UART (/dev/fake33)" << 1L;
    }
    void arrowKeysStepThroughTheList()
    {
        QFETCH(QString, failing);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(long, reopens);
        std::vector<SerialDevice> present;
        if (failing == "1 2")
            present.push_back(FakeDevice(33, "FT232R USB UART", kFtdi));
        Window window(
            [&](RecordingLink &link) {
                for (const QString &port : failing.split(' ', Qt::SkipEmptyParts))
                    link.failingPorts.insert(port.toInt());
            },
            present);
        window.showActive();
        QLineEdit *edit = window.combo()->lineEdit();
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        window.link->calls.clear();
        QTest::keyClick(edit, Qt::Key(key));
        QCOMPARE(window.combo()->currentText(), text);
        QCOMPARE(window.opens(), reopens);
        QCOMPARE(edit->cursorPosition(), 0); // the number in view
    }

    // While the list is open, devices that come and go do not move what is
    // highlighted: Enter opens the entry the operator saw. The wheel over the
    // field changes nothing.
    void nothingChangesThePortBehindTheOperatorsBack()
    {
        Window window({}, {FakeDevice(33, "FT232R USB UART", kFtdi)});
        window.showActive();
        QComboBox *combo = window.combo();
        window.link->calls.clear();
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QCOMPARE(window.opens(), 0L);
        QCOMPARE(combo->currentText(), QStringLiteral("1"));

        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const QString adapter = QStringLiteral("33: FT232R USB UART (/dev/fake33)");
        QVERIFY(list->width() >= list->fontMetrics().horizontalAdvance(adapter)); // whole
        list->setCurrentIndex(list->model()->index(2, 0));
        window.platform.present.insert(window.platform.present.begin(), FakeDevice(5, "USB-Serial"));
        window.platform.change();
        QCOMPARE(combo->itemText(2), adapter);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(window.link->portNumber(), 33);
        QCOMPARE(combo->currentText(), adapter);
        QTRY_COMPARE(combo->itemText(2), QStringLiteral("5: USB-Serial (/dev/fake5)")); // once it closed
        QCOMPARE(combo->currentText(), adapter);
        QCOMPARE(window.opens(), 1L);
    }

    // Whole inside its box at this screen's dpi (ctest runs it at 96 and
    // 144), with the toolkit's font and a 12 pt desktop font: the commonest
    // first-run failure, a long typed text, and the offer of the last match.
    void statusTextsFitTheirBox_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QFont>("desktop");
        for (const QString &language : Language::translated())
            for (const QFont &font : {QApplication::font(), QFont(QStringLiteral("DejaVu Sans"), 12)}) {
                const QString size = QStringLiteral(", %1 pt, %2").arg(font.pointSizeF()).arg(language);
                QTest::newRow(qPrintable("not in the dialout group" + size)) << language << "dialout" << font;
                QTest::newRow(qPrintable("a long typed text" + size)) << language << "typed" << font;
                QTest::newRow(qPrintable("the last match offered" + size)) << language << "offer" << font;
            }
    }
    void statusTextsFitTheirBox()
    {
        QFETCH(QString, language);
        QFETCH(QString, scene);
        QFETCH(QFont, desktop);
        const SpeakingFor speaking(language);
        QTemporaryDir settings;
        if (scene == "offer") {
            QSettings earlier(settings.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat);
            SettingsWriter writer(earlier);
            MatchMemory(earlier, writer).boardSent({"0", "8", "1", "5"}, QDateTime::currentDateTime());
        }
        const QFont saved = QApplication::font();
        QApplication::setFont(desktop);
        SerialDevice ftdi = FakeDevice(33, "FT232R USB UART", kFtdi);
        ftdi.manufacturer = "FTDI";
        ftdi.mayOpen = false;
        ftdi.grantingGroup = "dialout";
        SerialDevice port1 = FakeDevice(1);
        port1.mayOpen = false;
        port1.grantingGroup = "dialout";
        Window window(
            [&](RecordingLink &link) {
                link.outcome = [&](int port) {
                    if (scene == "dialout")
                        return port == 1 ? LinkError::PermissionDenied : LinkError::NoSuchDevice;
                    return port >= 1 && port <= 96 ? LinkError::None : LinkError::NoDeviceForPort;
                };
            },
            {port1, ftdi}, settings.path());
        QApplication::setFont(saved);
        if (scene == "typed")
            QTest::keyClicks(window.combo()->lineEdit(), "the port on the left of the laptop");

        auto *status = window.control<QLabel>("StatusLine");
        const QString expected =
            scene == "dialout"
                ? "No permission for 33 FTDI FT232R USB UART (fake33). Port 1: permission denied. Port 2: no such "
                  "device. Join the dialout group, then log in again."
            : scene == "typed" ? "\"the port on…\" is not a port number - type 1 to 96"
                               : "Port 1 (/dev/fake1) open. Last match: board showed 08 15 at ";
        if (language == QLatin1String("en"))
            QVERIFY2(window.form->statusText().startsWith(expected), qPrintable(window.form->statusText()));
        QCOMPARE(window.form->statusText().count(QStringLiteral("dialout")), scene == "dialout" ? 1 : 0);
        const auto layout = laidOut(*status);
        QVERIFY2(layout->size().height() <= status->contentsRect().height(),
                 qPrintable(QStringLiteral("%1 px high in %2").arg(layout->size().height()).arg(status->height())));
        QVERIFY(status->font().pointSizeF() >= 6);
    }

    // The offer of the last match: under the status line, a link that the
    // mouse, Enter, Space and the shortcut press, told to screen readers as a
    // link; the status line itself is no Tab stop.
    void theLastMatchIsALinkToRestore_data()
    {
        QTest::addColumn<QString>("press");
        QTest::newRow("mouse") << "mouse";
        QTest::newRow("Tab, then Space") << "Space";
        QTest::newRow("Tab, then Enter") << "Enter";
        QTest::newRow("the shortcut") << "Ctrl+R";
    }
    void theLastMatchIsALinkToRestore()
    {
        QFETCH(QString, press);
        QTemporaryDir settings;
        {
            QSettings earlier(settings.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat);
            SettingsWriter writer(earlier);
            MatchMemory(earlier, writer).windowChanged({"0", "8", "1", "5"});
        }
        Window window({}, {}, settings.path());
        window.showActive();
        auto *link = window.control<QAbstractButton>("RestoreLink");
        QVERIFY(link->isVisible());
        QVERIFY(window.control("StatusLine")->geometry().bottom() < link->geometry().top());
        QCOMPARE(window.control("StatusLine")->focusPolicy(), Qt::NoFocus);
        QAccessibleInterface *told = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(told->role(), QAccessible::Link);
        QCOMPARE(told->text(QAccessible::Name), QStringLiteral("Restore the last match"));
        QVERIFY(told->text(QAccessible::Description).startsWith(QStringLiteral("Last match: window showed 08 15")));

        if (press == "mouse") {
            QTest::mouseClick(link, Qt::LeftButton);
        } else if (press == "Ctrl+R") {
            QTest::keySequence(window.form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
        } else {
            window.control("Command6")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, press == "Space" ? Qt::Key_Space : Qt::Key_Return);
        }
        QCOMPARE(window.digits(), QStringLiteral("0815"));
        QVERIFY(!link->isVisible());
        QVERIFY(!window.form->statusText().contains(QStringLiteral("Last match")));
        QVERIFY(window.link->writes.empty());
    }

    // Closed during an update, the send ends whole first: cut short, it
    // could leave the board with a mix of old and new digits.
    void destroyingTheWindowDropsDtrThenCloses_data()
    {
        QTest::addColumn<bool>("duringAnUpdate");
        QTest::newRow("idle") << false;
        QTest::newRow("during an update") << true;
    }
    void destroyingTheWindowDropsDtrThenCloses()
    {
        QFETCH(bool, duringAnUpdate);
        std::vector<std::string> calls; // outlives the link, which dies with the window
        Window window([&](RecordingLink &link) { link.mirror = &calls; });
        calls.clear();
        SendGate gate(*window.link);
        std::thread letGo;
        std::vector<std::string> expected(duringAnUpdate ? 5 : 0, "write");
        if (duringAnUpdate) {
            gate.close();
            window.click("Command3");
            QVERIFY(gate.holding());
            // Let go once the window is on its way out.
            letGo = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                gate.open();
            });
        }
        window.form.reset();
        if (letGo.joinable())
            letGo.join();
        expected.insert(expected.end(), {"setDtr off", "close"});
        QCOMPARE(Joined(calls), Joined(expected));
        window.match.reset();
        QCOMPARE(Joined(calls), Joined(expected)); // once
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
