#include "ui/Form1.h"

#include "match/Match.h"
#include "match/StatusText.h"
#include "serial/PortSession.h"
#include "ui/Announcer.h"
#include "ui/DigitFont.h"
#include "ui/FontFitting.h"
#include "ui/PortComboBox.h"
#include "ui/ReadableRed.h"
#include "ui/RestoreLink.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace {
constexpr TwipsRect kClientArea{0, 0, 6645, 4035};
constexpr TwipsRect kDigitLabels[ScoreKeeper::kCellCount] = {
    {480, 120, 1095, 1815}, {1680, 120, 1095, 1815}, {3840, 120, 1095, 1815}, {5040, 120, 1095, 1815}};
constexpr TwipsRect kCommand1{840, 2160, 615, 495};
constexpr TwipsRect kCommand2{1920, 2160, 615, 495};
constexpr TwipsRect kCommand3{2400, 2760, 1575, 495};
constexpr TwipsRect kCommand4{3840, 2160, 615, 495};
constexpr TwipsRect kCommand5{4920, 2160, 615, 495};
constexpr TwipsRect kCommand6{2400, 3360, 1575, 375};
constexpr TwipsRect kLabel1{4440, 3000, 735, 255};
constexpr TwipsRect kCombo1{4440, 3240, 855, 315};
// The free space left of "Update scoreboard" and "Reset Score": the status
// line, and under it the offer's Restore link while the last match is offered.
constexpr TwipsRect kStatusLine{120, 2700, 2160, 1260};

const QColor kDigitRed(255, 0, 0);

// Faces to try, in this order, when the desktop's font is too wide for the
// captions; only those installed are tried. On Linux at 9 pt only Arial
// Narrow's metrics (Liberation Sans Narrow, from fonts-liberation, which the
// package recommends) fit "COM-port" in its label, and the condensed cut of
// Debian's default face comes closest where that is missing; Windows has
// faces of its own.
const char *const kNarrowerFamilies[] = {
    "Liberation Sans Narrow",
    "DejaVu Sans Condensed",
    "Arial Narrow",              // on Windows where Office brought it
    "Bahnschrift SemiCondensed", // Windows 10's own narrow face (1709 and later)
    "Segoe UI",                  // Windows' face, where the desktop's is wider
};

// Pixels at the screen's dots per inch; Qt's high-DPI scaling comes on top.
QRect placed(const QWidget &window, const TwipsRect &twips)
{
    return TwipsToPixels(twips, window.logicalDpiX(), window.logicalDpiY());
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &pixels)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(pixels);
    // Enter presses the focused button, as Space does, as in the window
    // system the layout comes from.
    button->setAutoDefault(true);
    return button;
}

QFont scoreButtonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}

// A PNG drawn for each size, as a 32 px image shrunk to 16 loses its digits.
// QtGui reads PNG itself: no image plugin is loaded at start.
QIcon scoreboardIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/scoreboard-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A caption as drawn: the "&" of its mnemonic is an underline, "&&" an "&".
QString shownCaption(QString caption)
{
    return caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// A caption and the room its control draws it in: a label from the corner of
// its box, a button inside its frame (and a default button's rim).
struct Caption
{
    QString text;
    QSize room;
};

Caption captionOf(const QWidget &control)
{
    if (const auto *button = qobject_cast<const QPushButton *>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        return {shownCaption(button->text()),
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()};
    }
    const auto *label = qobject_cast<const QLabel *>(&control);
    return {shownCaption(label->text()), label->contentsRect().size()};
}

// German and Spanish say "Update scoreboard" in more letters than its button
// holds on one line at the smallest size that still reads well: there, and
// only there, the caption takes two lines where the button is tall enough.
constexpr qreal kSmallestCaptionPointSize = 8;

void wrapWhereTooWide(QPushButton &button, const QFont &smallest)
{
    const Caption caption = captionOf(button);
    const QFontMetricsF metrics(smallest, &button);
    if (metrics.horizontalAdvance(caption.text) <= caption.room.width() || 2 * metrics.height() > caption.room.height())
        return;
    const QString text = button.text();
    qsizetype best = -1;
    qreal bestWidth = 0;
    for (qsizetype space = text.indexOf(QLatin1Char(' ')); space >= 0;
         space = text.indexOf(QLatin1Char(' '), space + 1)) {
        const qreal width = std::max(metrics.horizontalAdvance(shownCaption(text.left(space))),
                                     metrics.horizontalAdvance(shownCaption(text.mid(space + 1))));
        if (best < 0 || width < bestWidth)
            std::tie(best, bestWidth) = std::pair(space, width);
    }
    if (best < 0)
        return;
    button.setAccessibleName(caption.text); // read as one line
    button.setText(text.left(best) + QLatin1Char('\n') + text.mid(best + 1));
}

// "COM-port" is short; other languages' words for it are not. The label
// takes the room to its right, up to the window's margin, where its caption
// needs it at the smallest size: the field under it stays where it is.
void widenWhereTooWide(QLabel &label, const QFont &smallest, int rightMargin)
{
    const Caption caption = captionOf(label);
    const qreal needed = QFontMetricsF(smallest, &label).horizontalAdvance(caption.text);
    if (needed <= caption.room.width())
        return;
    QRect box = label.geometry();
    box.setWidth(std::min(int(std::ceil(needed)) + box.width() - caption.room.width(), rightMargin - box.left()));
    label.setGeometry(box);
}

// The window's own font: the desktop's where every caption fits, else a
// narrower face, else a smaller size (ChooseCaptionFont).
QFont windowFont(const QWidget &window, std::initializer_list<const QWidget *> captioned)
{
    std::vector<Caption> captions;
    for (const QWidget *control : captioned)
        captions.push_back(captionOf(*control));
    const auto overflow = [&](const QFont &font) {
        const QFontMetricsF metrics(font, &window);
        qreal worst = 0;
        for (const Caption &caption : captions) {
            const QStringList lines = caption.text.split(QLatin1Char('\n'));
            for (const QString &line : lines)
                worst = std::max(worst, metrics.horizontalAdvance(line) / caption.room.width());
            worst = std::max(worst, metrics.height() * qreal(lines.size()) / caption.room.height());
        }
        return worst;
    };
    QStringList installed;
    for (const char *family : kNarrowerFamilies)
        if (QFontDatabase::hasFamily(QLatin1String(family)))
            installed << QLatin1String(family);
    return ChooseCaptionFont(window.font(), installed, overflow);
}

} // namespace

Form1::Form1(Match &match, KeyMap keys, QWidget *parent) : QWidget(parent), m_match(match), m_keys(std::move(keys))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Scoreboard"));
    setWindowIcon(scoreboardIcon());
    setFixedSize(placed(*this, kClientArea).size());
    // A fixed size has nothing to maximize to; no button that does nothing.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    createControls();
    wireEvents();
    wireKeys();
    Form_Load();
}

Form1::~Form1()
{
    Form_Terminate();
}

QString Form1::statusText() const
{
    return m_statusLine->accessibleName();
}

QStringList Form1::mnemonicCaptions() const
{
    return {m_command3->text(), m_command6->text(), m_label1->text()};
}

void Form1::createControls()
{
    const QFont digitFont = ChooseDigitFont(placed(*this, kDigitLabels[0]).size(), this);
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell) {
        auto *label = new QLabel(QString::fromStdString(m_match.windowDigits()[std::size_t(cell)]), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(cell));
        label->setGeometry(placed(*this, kDigitLabels[cell]));
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kDigitRed);
        label->setPalette(palette);
        label->setAccessibleDescription(cell % 2 == 0 ? tr("Tens digit") : tr("Units digit"));
        m_digitLabels[std::size_t(cell)] = label;
    }
    nameScoresForAssistiveTechnology();

    m_command1 = makeButton(this, "Command1", QStringLiteral("-"), placed(*this, kCommand1));
    m_command2 = makeButton(this, "Command2", QStringLiteral("+"), placed(*this, kCommand2));
    // The "&" marks the mnemonic (Alt and the letter after it): the
    // translator chooses one for the language's captions.
    //: & marks the Alt+letter key; it must differ from those of "Reset Score" and "COM-port"
    m_command3 = makeButton(this, "Command3", tr("&Update scoreboard"), placed(*this, kCommand3));
    m_command4 = makeButton(this, "Command4", QStringLiteral("-"), placed(*this, kCommand4));
    m_command5 = makeButton(this, "Command5", QStringLiteral("+"), placed(*this, kCommand5));
    //: & marks the Alt+letter key; it must differ from those of "Update scoreboard" and "COM-port"
    m_command6 = makeButton(this, "Command6", tr("Reset &Score"), placed(*this, kCommand6));
    for (QPushButton *scoreButton : {m_command1, m_command2, m_command4, m_command5})
        scoreButton->setFont(scoreButtonFont());
    // Two "+" and two "-" sound alike to a screen reader.
    m_command1->setAccessibleName(tr("Left score: minus"));
    m_command2->setAccessibleName(tr("Left score: plus"));
    m_command4->setAccessibleName(tr("Right score: minus"));
    m_command5->setAccessibleName(tr("Right score: plus"));

    //: the serial port's field; & marks the Alt+letter key that reaches it, unlike those of the two buttons
    m_label1 = new QLabel(tr("&COM-port"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(placed(*this, kLabel1));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_combo1 = new PortComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(placed(*this, kCombo1));
    m_combo1->setText(QStringLiteral("Combo1"));
    m_combo1->setAccessibleDescription(tr("Serial port number of the scoreboard"));
    m_label1->setBuddy(m_combo1);

    // Read, never a Tab stop: nothing in it can be pressed.
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setGeometry(placed(*this, kStatusLine));
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setWordWrap(true);
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setFocusPolicy(Qt::NoFocus);
    // The offer of the last match: a link the mouse clicks, Tab reaches, and
    // Enter or Space presses; its shortcut works from anywhere in the window.
    m_restoreLink = new RestoreLink(this);
    m_restoreLink->setObjectName(QStringLiteral("RestoreLink"));
    m_restoreLink->hide();
    m_restoreShortcut = new QShortcut(KeyMap::restoreKey(), this);
    m_restoreShortcut->setEnabled(false);
    //: %1 is its key, such as Ctrl+R
    m_restoreLink->setToolTip(tr("Puts the last match's scores back in the window (%1); nothing is sent")
                                  .arg(KeyMap::restoreKey().toString(QKeySequence::NativeText)));
    m_announcer = new Announcer(*this);

    // The way to the remote control: on the window's context menu (a right
    // click, or the Menu key), and its shortcut from anywhere in the window.
    //: the window's context menu; opens the remote control's window
    auto *remoteControl = new QAction(tr("Remote control…"), this);
    remoteControl->setShortcut(KeyMap::remoteControlKey());
    addAction(remoteControl);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    //: %1 is its key, such as Ctrl+Shift+R
    setToolTip(tr("Right-click for the remote control (%1)")
                   .arg(KeyMap::remoteControlKey().toString(QKeySequence::NativeText)));
    connect(remoteControl, &QAction::triggered, this, &Form1::remoteControlAsked);

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_command4);
    setTabOrder(m_command4, m_command5);
    setTabOrder(m_command5, m_command6);
    setTabOrder(m_command6, m_restoreLink);
    m_combo1->setFocus();

    QFont font = windowFont(*this, {m_command3, m_command6, m_label1});
    // Only a long translation needs more room: English measures nothing more
    // (each size measured loads a font, and start-up pays for it).
    if (font.pointSizeF() < kSmallestCaptionPointSize) {
        QFont smallest = font; // the narrowest face
        smallest.setPointSizeF(kSmallestCaptionPointSize);
        for (QPushButton *button : {m_command3, m_command6})
            wrapWhereTooWide(*button, smallest);
        widenWhereTooWide(*m_label1, smallest,
                          width() - placed(*this, kClientArea).left() - placed(*this, kDigitLabels[0]).left());
        font = windowFont(*this, {m_command3, m_command6, m_label1});
    }
    setFont(font);
}

void Form1::wireEvents()
{
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_combo1, &PortComboBox::typed, this, &Form1::Combo1_Change);
    connect(m_combo1, &PortComboBox::picked, this, &Form1::Combo1_Click);
    connect(m_restoreLink, &QAbstractButton::clicked, &m_match, [this] { m_match.restore(); });
    connect(m_restoreShortcut, &QShortcut::activated, &m_match, [this] { m_match.restore(); });

    connect(&m_match, &Match::cellChanged, this, &Form1::showCell);
    connect(&m_match, &Match::statusChanged, this, &Form1::showStatus);
    connect(&m_match, &Match::announce, m_announcer, &Announcer::say);
    PortSession &session = m_match.session();
    connect(&session, &PortSession::entriesChanged, this, [this, &session] {
        QStringList entries;
        for (const std::string &entry : session.entries())
            entries << QString::fromStdString(entry);
        m_combo1->setEntries(entries);
    });
    connect(&session, &PortSession::selectorTextChanged, this,
            [this, &session] { m_combo1->setText(QString::fromStdString(session.selectorText())); });

    // A session that ends (a log-off) may end the process before the window
    // is destroyed: release the port then, too.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Form1::Form_Terminate);
}

void Form1::showCell(int cell)
{
    QLabel *label = m_digitLabels[std::size_t(cell)];
    label->setText(QString::fromStdString(m_match.windowDigits()[std::size_t(cell)]));
    nameScoresForAssistiveTechnology();
    // Paint now: a reset goes straight on into a blocking update, and the
    // operator must see the zeros before it starts.
    label->repaint();
}

void Form1::nameScoresForAssistiveTechnology()
{
    const QString left = m_match.scoreText(Side::Left);
    const QString right = m_match.scoreText(Side::Right);
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell)
        m_digitLabels[std::size_t(cell)]->setAccessibleName(cell < 2 ? left : right);
}

void Form1::showStatus()
{
    const QString &offer = m_match.offer();
    const bool offering = !offer.isEmpty();
    // Whole sentences one after the other; the link under the text takes the
    // offer, and those who do not see it hear how.
    const QString shown = StatusText::together(StatusText::together(m_match.status(), m_match.saidOnce()), offer);
    const QString full =
        offering ? StatusText::together(
                       shown, StatusText::restoreHint(KeyMap::restoreKey().toString(QKeySequence::NativeText)))
                 : shown;

    if (m_match.statusIsFailure()) {
        // A red that reads on the theme's background, light or dark.
        QPalette palette = m_statusLine->palette();
        palette.setColor(QPalette::WindowText, ReadableRed(palette.color(QPalette::Window)));
        m_statusLine->setPalette(palette);
    } else {
        m_statusLine->setPalette(QPalette()); // the theme's own, following it
    }
    m_statusLine->setText(shown);
    m_statusLine->setAccessibleName(full);
    m_statusLine->setToolTip(full);

    QRect box = placed(*this, kStatusLine);
    m_restoreShortcut->setEnabled(offering);
    if (offering) {
        m_restoreLink->setText(StatusText::restoreCaption());
        m_restoreLink->setAccessibleDescription(offer);
        const QSize link = m_restoreLink->sizeHint().boundedTo(box.size());
        box.setHeight(box.height() - link.height());
        m_restoreLink->setGeometry(QRect(box.bottomLeft() + QPoint(0, 1), link));
    } else if (m_restoreLink->hasFocus()) {
        m_command3->setFocus(); // the link goes, the keyboard stays near
    }
    m_restoreLink->setVisible(offering);
    m_statusLine->setGeometry(box);
    fitStatusLine(box.size());
    m_statusLine->repaint();
}

void Form1::fitStatusLine(const QSize &box)
{
    // Whole, wrapped inside its box: a long text in a smaller size rather
    // than cut off.
    const QString text = m_statusLine->text();
    const auto overflow = [&](const QFont &candidate) {
        const QSizeF needed = QFontMetricsF(candidate, m_statusLine)
                                  .boundingRect(QRectF(0, 0, box.width(), 1e6), Qt::AlignLeft | Qt::TextWordWrap, text)
                                  .size();
        return std::max(needed.width() / box.width(), needed.height() / box.height());
    };
    const QFont fitting = LargestFittingFont(font(), font().pointSizeF(), overflow);
    if (fitting != m_statusLine->font())
        m_statusLine->setFont(fitting); // a new font lays the label out anew
}

void Form1::Form_Load()
{
    m_match.start();
    // After the start's own status, which stays in front of it.
    if (!m_keys.problems().isEmpty())
        m_match.sayOnce(m_keys.problems().join(QLatin1Char(' ')));
}

void Form1::Form_Terminate()
{
    m_match.finish();
}

void Form1::Command1_Click()
{
    m_match.step(Side::Left, Direction::Down);
}

void Form1::Command2_Click()
{
    m_match.step(Side::Left, Direction::Up);
}

void Form1::Command4_Click()
{
    m_match.step(Side::Right, Direction::Down);
}

void Form1::Command5_Click()
{
    m_match.step(Side::Right, Direction::Up);
}

void Form1::Command3_Click()
{
    m_match.update();
}

void Form1::Command6_Click()
{
    m_match.reset();
}

void Form1::Combo1_Change(const QString &typed)
{
    m_match.session().textEdited(typed.toStdString());
}

void Form1::Combo1_Click(const QString &entry)
{
    m_match.session().entryPicked(entry.toStdString());
}

void Form1::wireKeys()
{
    struct Pressed
    {
        KeyAction action;
        QPushButton *button;
        QString said; // the tooltip, with the keys
    };
    const Pressed pressed[] = {
        //: %1 is the key or keys that press the button, such as F2
        {KeyAction::LeftMinus, m_command1,
         tr("Lowers the left score by one in the window; Update scoreboard sends it (%1)")},
        //: %1 is the key or keys that press the button, such as F3
        {KeyAction::LeftPlus, m_command2,
         tr("Raises the left score by one in the window; Update scoreboard sends it (%1)")},
        //: %1 is the key or keys that press the button, such as F9; PgDown
        {KeyAction::Update, m_command3, tr("Sends the four digits to the board (%1)")},
        //: %1 is the key or keys that press the button, such as F6
        {KeyAction::RightMinus, m_command4,
         tr("Lowers the right score by one in the window; Update scoreboard sends it (%1)")},
        //: %1 is the key or keys that press the button, such as F7
        {KeyAction::RightPlus, m_command5,
         tr("Raises the right score by one in the window; Update scoreboard sends it (%1)")},
        //: %1 is the key or keys that press the button, such as F12
        {KeyAction::Reset, m_command6, tr("Sets both scores to 0 and sends them to the board (%1, after a question)")},
    };
    for (const auto &[action, button, said] : pressed) {
        const QList<QKeySequence> keys = m_keys.keys(action);
        // The caption's mnemonic was the button's shortcut until now.
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        // The first key is the button's own, which screen readers announce
        // with it; the others, and the mnemonic, press it as well.
        button->setShortcut(keys.value(0));
        button->installEventFilter(this);
        QList<QKeySequence> more = keys.mid(1);
        if (!mnemonic.isEmpty())
            more << mnemonic;
        for (const QKeySequence &key : std::as_const(more))
            connect(new QShortcut(key, this), &QShortcut::activated, this,
                    [this, pressedButton = button] { pressByKey(pressedButton); });
        // The tooltip for the mouse; the same words for screen readers, as the
        // keys are a button's shortcut to AT-SPI but only its mnemonic reaches
        // UI Automation (Qt 6.4).
        button->setToolTip(said.arg(m_keys.shown(action)));
        button->setAccessibleDescription(said.arg(m_keys.shown(action)));
    }

    auto *help = new QShortcut(this);
    help->setKeys(m_keys.keys(KeyAction::Help));
    connect(help, &QShortcut::activated, this, &Form1::showKeys);

    // Presenter clickers send Page Up and Page Down: where neither is a key
    // here, it does nothing, not even step through the field's list.
    for (const Qt::Key page : {Qt::Key_PageUp, Qt::Key_PageDown}) {
        bool taken = false;
        for (int action = 0; action < KeyMap::kActionCount; ++action)
            taken = taken || m_keys.keys(KeyAction(action)).contains(QKeySequence(page));
        if (!taken)
            new QShortcut(QKeySequence(page), this);
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A button's own key presses it where the focus is, and leaves the focus
    // there; Qt's own handling would move the focus onto the button.
    if (event->type() == QEvent::Shortcut) {
        if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
            pressByKey(button);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::pressByKey(QAbstractButton *button)
{
    if (!button->isEnabled())
        return;
    if (button == m_command6)
        askBeforeReset(); // a key is easily hit by mistake; a click is not
    else
        button->click();
}

void Form1::askBeforeReset()
{
    auto *question = new QMessageBox(QMessageBox::Question, tr("Reset Score"),
                                     tr("Set both scores to 0 and send them to the board?"),
                                     QMessageBox::Yes | QMessageBox::No, this);
    question->setObjectName(QStringLiteral("ResetQuestion"));
    question->setDefaultButton(QMessageBox::Yes);
    question->setEscapeButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question] {
        if (question->standardButton(question->clickedButton()) == QMessageBox::Yes)
            m_command6->click();
    });
    question->open();
}

void Form1::showKeys()
{
    const auto named = [this](KeyAction action) { return m_keys.shown(action); };
    const QStringList lines{
        //: a line of the list of keys; %1 is the key or keys, such as F2
        tr("Left score minus: %1").arg(named(KeyAction::LeftMinus)),
        //: a line of the list of keys; %1 is the key or keys, such as F3
        tr("Left score plus: %1").arg(named(KeyAction::LeftPlus)),
        //: a line of the list of keys; %1 is the key or keys, such as F6
        tr("Right score minus: %1").arg(named(KeyAction::RightMinus)),
        //: a line of the list of keys; %1 is the key or keys, such as F7
        tr("Right score plus: %1").arg(named(KeyAction::RightPlus)),
        //: a line of the list of keys; %1 is the key or keys, such as F9; PgDown
        tr("Update scoreboard: %1").arg(named(KeyAction::Update)),
        //: a line of the list of keys; %1 is the key or keys, such as F12
        tr("Reset Score, after a question: %1").arg(named(KeyAction::Reset)),
        //: a line of the list of keys; %1 is the key, such as Ctrl+R
        tr("Restore the last match, while it is offered: %1")
            .arg(KeyMap::restoreKey().toString(QKeySequence::NativeText)),
        //: a line of the list of keys; %1 is the key, such as Ctrl+Shift+R
        tr("Remote control: %1").arg(KeyMap::remoteControlKey().toString(QKeySequence::NativeText)),
        //: a line of the list of keys; the underlined letters of the captions
        tr("Alt and a caption's underlined letter: that button, or the COM-port field"),
        //: a line of the list of keys; %1 is the key or keys, such as F1
        tr("This list: %1").arg(named(KeyAction::Help)),
    };
    auto *list =
        new QMessageBox(QMessageBox::Information, tr("Keys"), lines.join(QLatin1Char('\n')), QMessageBox::Close, this);
    list->setObjectName(QStringLiteral("KeyList"));
    list->setTextFormat(Qt::PlainText);
    list->setEscapeButton(QMessageBox::Close);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->open();
}
