#include "ui/Form1.h"

#include "display/SendSequences.h"
#include "ui/Announcer.h"
#include "ui/DigitFont.h"
#include "ui/FontFitting.h"
#include "ui/MatchMemory.h"
#include "ui/PortComboBox.h"
#include "ui/ReadableRed.h"
#include "ui/StatusText.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

#include <algorithm>

// Every status line, for whoever helps an operator from afar:
// QT_LOGGING_RULES=scoreboard.status.info=true
Q_LOGGING_CATEGORY(statusLog, "scoreboard.status", QtWarningMsg)

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
// The free space left of "Update scoreboard" and "Reset Score".
constexpr TwipsRect kStatusLine{120, 2700, 2160, 1260};

const QColor kDigitRed(255, 0, 0);
const QKeySequence kRestoreKey(Qt::CTRL | Qt::Key_R);

// Faces to try when the desktop's font is too wide for the captions. At 9 pt
// only Arial Narrow's metrics (fonts-liberation, which the package
// recommends) fit "COM-port" in its label; the condensed cut of Debian's
// default face comes closest where that is missing.
const char *const kNarrowerFamilies[] = {"Liberation Sans Narrow", "DejaVu Sans Condensed"};

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
        return {button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()};
    }
    const auto *label = qobject_cast<const QLabel *>(&control);
    return {label->text(), label->contentsRect().size()};
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
        for (const Caption &caption : captions)
            worst = std::max({worst, metrics.horizontalAdvance(caption.text) / caption.room.width(),
                              metrics.height() / caption.room.height()});
        return worst;
    };
    QStringList installed;
    for (const char *family : kNarrowerFamilies)
        if (QFontDatabase::hasFamily(QLatin1String(family)))
            installed << QLatin1String(family);
    return ChooseCaptionFont(window.font(), installed, overflow);
}

} // namespace

Form1::Form1(PortSession &session, MatchMemory &match, QWidget *parent)
    : QWidget(parent), m_session(session), m_match(match)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Scoreboard"));
    setWindowIcon(scoreboardIcon());
    setFixedSize(placed(*this, kClientArea).size());
    // A fixed size has nothing to maximize to; no button that does nothing.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    createControls();
    wireEvents();
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

void Form1::createControls()
{
    const QFont digitFont = ChooseDigitFont(placed(*this, kDigitLabels[0]).size(), this);
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell) {
        auto *label = new QLabel(QString::fromStdString(m_scores.DigitCell(cell)), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(cell));
        label->setGeometry(placed(*this, kDigitLabels[cell]));
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kDigitRed);
        label->setPalette(palette);
        label->setAccessibleDescription(cell % 2 == 0 ? QStringLiteral("Tens digit") : QStringLiteral("Units digit"));
        m_digitLabels[std::size_t(cell)] = label;
    }
    nameScoresForAssistiveTechnology();

    m_command1 = makeButton(this, "Command1", QStringLiteral("-"), placed(*this, kCommand1));
    m_command2 = makeButton(this, "Command2", QStringLiteral("+"), placed(*this, kCommand2));
    m_command3 = makeButton(this, "Command3", QStringLiteral("Update scoreboard"), placed(*this, kCommand3));
    m_command4 = makeButton(this, "Command4", QStringLiteral("-"), placed(*this, kCommand4));
    m_command5 = makeButton(this, "Command5", QStringLiteral("+"), placed(*this, kCommand5));
    m_command6 = makeButton(this, "Command6", QStringLiteral("Reset Score"), placed(*this, kCommand6));
    for (QPushButton *scoreButton : {m_command1, m_command2, m_command4, m_command5}) {
        scoreButton->setFont(scoreButtonFont());
        scoreButton->setAccessibleDescription(QStringLiteral("Changes the window only; Update scoreboard sends"));
    }
    // Two "+" and two "-" sound alike to a screen reader.
    m_command1->setAccessibleName(QStringLiteral("Left score: minus"));
    m_command2->setAccessibleName(QStringLiteral("Left score: plus"));
    m_command4->setAccessibleName(QStringLiteral("Right score: minus"));
    m_command5->setAccessibleName(QStringLiteral("Right score: plus"));
    m_command3->setAccessibleDescription(QStringLiteral("Sends the four digits to the board"));
    m_command6->setAccessibleDescription(QStringLiteral("Sets both scores to 0 and sends them to the board"));

    m_label1 = new QLabel(QStringLiteral("COM-port"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(placed(*this, kLabel1));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_combo1 = new PortComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(placed(*this, kCombo1));
    m_combo1->setText(QStringLiteral("Combo1"));
    m_combo1->setAccessibleDescription(QStringLiteral("Serial port number of the scoreboard"));
    m_label1->setBuddy(m_combo1);

    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setGeometry(placed(*this, kStatusLine));
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setWordWrap(true);
    // The offer of the last match is a link: the mouse clicks it, Tab
    // reaches it, and its shortcut works from anywhere in the window.
    m_statusLine->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_restoreShortcut = new QShortcut(kRestoreKey, this);
    m_restoreShortcut->setEnabled(false);
    m_announcer = new Announcer(*this);

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_command4);
    setTabOrder(m_command4, m_command5);
    setTabOrder(m_command5, m_command6);
    m_combo1->setFocus();

    setFont(windowFont(*this, {m_command3, m_command6, m_label1}));
}

void Form1::wireEvents()
{
    m_scores.setCellChangedHandler([this](int cell, const std::string &text) { showCell(cell, text); });
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_combo1, &PortComboBox::typed, this, &Form1::Combo1_Change);
    connect(m_combo1, &PortComboBox::picked, this, &Form1::Combo1_Click);

    connect(&m_session, &PortSession::happened, this, &Form1::showPortEvent);
    connect(&m_session, &PortSession::entriesChanged, this, [this] {
        QStringList entries;
        for (const std::string &entry : m_session.entries())
            entries << QString::fromStdString(entry);
        m_combo1->setEntries(entries);
    });
    connect(&m_session, &PortSession::selectorTextChanged, this,
            [this] { m_combo1->setText(QString::fromStdString(m_session.selectorText())); });

    connect(m_statusLine, &QLabel::linkActivated, this, &Form1::restoreLastMatch);
    // A session that ends (a log-off) may end the process before the window
    // is destroyed: release the port and keep the match then, too.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Form1::Form_Terminate);
    connect(m_restoreShortcut, &QShortcut::activated, this, &Form1::restoreLastMatch);
}

void Form1::showCell(int cell, const std::string &text)
{
    QLabel *label = m_digitLabels[std::size_t(cell)];
    label->setText(QString::fromStdString(text));
    nameScoresForAssistiveTechnology();
    // Paint now: a reset goes straight on into a blocking update, and the
    // operator must see the zeros before it starts.
    label->repaint();
}

void Form1::nameScoresForAssistiveTechnology()
{
    const ScoreKeeper::DigitCells &cells = m_scores.digitCells();
    const QString left = QStringLiteral("Left score %1%2").arg(QString::fromStdString(cells[0]), cells[1].c_str());
    const QString right = QStringLiteral("Right score %1%2").arg(QString::fromStdString(cells[2]), cells[3].c_str());
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell)
        m_digitLabels[std::size_t(cell)]->setAccessibleName(cell < 2 ? left : right);
}

void Form1::showStatus(const QString &text)
{
    m_status = text;
    // Rich text only while it holds a link: plain text is cheaper to draw.
    QString shown = m_offering ? text.toHtmlEscaped() : text;
    QString full = text;
    if (m_offering) {
        const MatchMemory::LastMatch last = *m_match.lastMatch();
        QString offer = StatusText::lastMatch(last.boardShowed, last.sentAt, last.windowShowed);
        const QString between = text.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
        full += between + offer + QStringLiteral(" (%1)").arg(kRestoreKey.toString(QKeySequence::NativeText));
        const QString link = offer.section(QLatin1Char(' '), -1);
        offer.chop(link.size());
        shown += between + offer.toHtmlEscaped() + QStringLiteral("<a href=\"#restore\">%1</a>").arg(link);
    }

    if (m_failure) {
        // A red that reads on the theme's background, light or dark.
        QPalette palette = m_statusLine->palette();
        palette.setColor(QPalette::WindowText, ReadableRed(palette.color(QPalette::Window)));
        m_statusLine->setPalette(palette);
    } else {
        m_statusLine->setPalette(QPalette()); // the theme's own, following it
    }
    m_statusLine->setTextFormat(m_offering ? Qt::RichText : Qt::PlainText);
    m_statusLine->setText(shown);
    m_statusLine->setAccessibleName(full);
    m_statusLine->setAccessibleDescription(full);
    m_statusLine->setToolTip(full);
    fitStatusLine();
    m_statusLine->repaint();
    qCInfo(statusLog, "%s", qUtf8Printable(full));
    if (!m_loading)
        m_announcer->statusChanged(full);
}

void Form1::fitStatusLine()
{
    // Whole, wrapped inside its box: a long text in a smaller size rather
    // than cut off. Measured as the label lays it out: plain text by its
    // font's metrics, the offer's link through a text document.
    const QSize box = m_statusLine->contentsRect().size();
    const QString text = m_statusLine->text();
    const bool rich = m_statusLine->textFormat() == Qt::RichText;
    std::optional<QTextDocument> layout;
    if (rich) {
        layout.emplace();
        layout->setDocumentMargin(0);
        layout->setHtml(text);
    }
    const auto overflow = [&](const QFont &candidate) {
        QSizeF needed;
        if (layout) {
            layout->setDefaultFont(candidate);
            layout->setTextWidth(box.width());
            needed = QSizeF(layout->idealWidth(), layout->size().height());
        } else {
            needed = QFontMetricsF(candidate, m_statusLine)
                         .boundingRect(QRectF(0, 0, box.width(), 1e6), Qt::AlignLeft | Qt::TextWordWrap, text)
                         .size();
        }
        return std::max(needed.width() / box.width(), needed.height() / box.height());
    };
    const QFont fitting = LargestFittingFont(font(), font().pointSizeF(), overflow);
    if (fitting != m_statusLine->font())
        m_statusLine->setFont(fitting); // a new font lays the label out anew
}

void Form1::showPortEvent(const PortEvent &event)
{
    if (event.kind == PortEvent::Kind::MemoryNotWritable) {
        m_memoryTroubleDue = true; // said with the send's outcome
        return;
    }
    // Red while no port is open: nothing the operator sends can arrive.
    m_failure = !m_session.link().isOpen();
    showStatus(StatusText::of(event, m_session.lastPortNumber()));
}

void Form1::showSendResult(const LinkResult &result)
{
    if (!result.ok()) {
        m_failure = true;
        showStatus(StatusText::notSent(result));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    m_lastSent = SentScore{m_scores.digitCells(), StatusText::boardShows(m_scores.digitCells(), result, now.time())};
    m_failure = false;
    const bool kept = m_match.boardSent(m_scores.digitCells(), now);
    QString status = m_lastSent->status;
    // Said once; it changes nothing else.
    if ((!kept || m_memoryTroubleDue) && !m_memoryTroubleSaid) {
        status += QStringLiteral(". ") + StatusText::notKept(m_match.settingsFile());
        m_memoryTroubleSaid = true;
    }
    showStatus(status);
}

void Form1::showWhetherTheBoardIsBehind()
{
    m_failure = false;
    if (m_lastSent && m_lastSent->digits == m_scores.digitCells())
        showStatus(m_lastSent->status);
    else
        showStatus(StatusText::notOnTheBoardYet());
}

void Form1::Form_Load()
{
    m_loading = true;
    m_scores.setLeftScore(0);
    m_scores.setRightScore(0);
    m_session.start();
    if (m_match.lastMatch())
        offerLastMatch();
    m_loading = false;
    // Said once the window is there to be read.
    m_announcer->statusChanged(m_statusLine->accessibleName());
}

void Form1::Form_Terminate()
{
    m_match.windowClosing(m_scores.digitCells());
    m_session.closePort();
}

void Form1::Command1_Click()
{
    operatorActed();
    m_scores.StepScore(Side::Left, Direction::Down);
    m_announcer->scoreChanged(m_digitLabels[0]->accessibleName());
    showWhetherTheBoardIsBehind();
}

void Form1::Command2_Click()
{
    operatorActed();
    m_scores.StepScore(Side::Left, Direction::Up);
    m_announcer->scoreChanged(m_digitLabels[0]->accessibleName());
    showWhetherTheBoardIsBehind();
}

void Form1::Command4_Click()
{
    operatorActed();
    m_scores.StepScore(Side::Right, Direction::Down);
    m_announcer->scoreChanged(m_digitLabels[2]->accessibleName());
    showWhetherTheBoardIsBehind();
}

void Form1::Command5_Click()
{
    operatorActed();
    m_scores.StepScore(Side::Right, Direction::Up);
    m_announcer->scoreChanged(m_digitLabels[2]->accessibleName());
    showWhetherTheBoardIsBehind();
}

void Form1::Command3_Click()
{
    operatorActed();
    afterSending(sendDigits());
}

void Form1::Command6_Click()
{
    operatorActed();
    afterSending(m_scores.ResetScores([this] { return sendDigits(); }));
}

LinkResult Form1::sendDigits()
{
    // The update blocks the window for 0.4 s: say so before it starts.
    if (m_session.link().isOpen()) {
        m_failure = false;
        showStatus(StatusText::sending(m_session.link().portNumber()));
    }
    return m_session.send([this](SerialLink &link) { return UpdateScoreboard(m_scores.digitCells(), link); });
}

void Form1::afterSending(const LinkResult &sent)
{
    showSendResult(sent);
}

void Form1::Combo1_Change(const QString &typed)
{
    m_session.textEdited(typed.toStdString());
}

void Form1::Combo1_Click(const QString &entry)
{
    m_session.entryPicked(entry.toStdString());
}

void Form1::offerLastMatch()
{
    m_offering = true;
    m_restoreShortcut->setEnabled(true);
    showStatus(m_status);
}

void Form1::restoreLastMatch()
{
    if (!m_offering)
        return;
    const MatchMemory::LastMatch last = *m_match.lastMatch();
    withdrawLastMatch();
    const auto score = [&](int tens) {
        return std::int16_t((last.windowShowed[std::size_t(tens)][0] - '0') * 10 +
                            (last.windowShowed[std::size_t(tens) + 1][0] - '0'));
    };
    m_scores.RestoreScores(score(0), score(2));
    m_announcer->scoreChanged(m_digitLabels[0]->accessibleName());
    m_announcer->scoreChanged(m_digitLabels[2]->accessibleName());
    showWhetherTheBoardIsBehind();
}

void Form1::withdrawLastMatch()
{
    m_offering = false;
    m_restoreShortcut->setEnabled(false);
}

void Form1::operatorActed()
{
    // The offer stands until the match goes on without it.
    if (m_offering) {
        withdrawLastMatch();
        showStatus(m_status);
    }
}
