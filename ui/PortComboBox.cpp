#include "ui/PortComboBox.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {
// The field selects its text whenever it takes the focus, so that typing
// replaces the port rather than adding to it, as a combo box does in the
// window system the layout comes from (Qt does so only for the Tab key). The
// selection runs from the end back to the start, which keeps the number in
// view.
class SelectorLineEdit : public QLineEdit
{
protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        // Coming back from the open list, the pick has set the text itself.
        if (event->reason() == Qt::PopupFocusReason)
            return;
        // A click places the cursor after the focus has arrived.
        QTimer::singleShot(0, this, [this] {
            const int length = int(text().size());
            setSelection(length, -length);
        });
    }
};
} // namespace

PortComboBox::PortComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setLineEdit(new SelectorLineEdit);
    // QComboBox takes leaving the field, or Enter, with the text of a list
    // entry as a choice of that entry and reports it as activated; here only
    // a pick from the list is, so that those do not reopen the port.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // Typed text names a port; it is not a new list entry, and completing it
    // from the list would open ports the operator never typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &PortComboBox::typed);
    connect(this, &QComboBox::activated, this, [this](int index) {
        lineEdit()->setCursorPosition(0);
        emit picked(itemText(index));
    });
}

void PortComboBox::setEntries(const QStringList &entries)
{
    if (view()->isVisible())
        m_waitingEntries = entries;
    else
        applyEntries(entries);
}

void PortComboBox::setText(const QString &text)
{
    setEditText(text);
    lineEdit()->setCursorPosition(0);
}

void PortComboBox::applyEntries(const QStringList &entries)
{
    QStringList current;
    for (int i = 0; i < count(); ++i)
        current << itemText(i);
    if (current == entries)
        return;
    // Redrawing the list must not touch the text.
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(entries);
    setCurrentIndex(std::max<int>(-1, int(entries.indexOf(text))));
    setText(text);
}

void PortComboBox::wheelEvent(QWheelEvent *event)
{
    // Scrolling the window past the field must not switch ports.
    event->ignore();
}

void PortComboBox::keyPressEvent(QKeyEvent *event)
{
    const bool step =
        (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && !(event->modifiers() & Qt::AltModifier);
    if (!step || count() == 0) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // From a text that is no entry ("Combo1", a typed number) either key
    // goes to the first entry; else to the next one, stopping at the ends.
    const int at = findText(currentText(), Qt::MatchExactly);
    int next = 0;
    if (at >= 0)
        next = std::clamp(at + (event->key() == Qt::Key_Down ? 1 : -1), 0, count() - 1);
    if (at != next)
        pick(next);
}

void PortComboBox::pick(int index)
{
    setCurrentIndex(index);
    setText(itemText(index));
    emit picked(itemText(index));
}

void PortComboBox::showPopup()
{
    // Each entry whole, within the screen: "33: FTDI FT232R USB UART
    // (/dev/ttyUSB0)" is much wider than the field.
    const int frame = 2 * view()->frameWidth();
    const int scrollBar = count() > maxVisibleItems() ? view()->verticalScrollBar()->sizeHint().width() : 0;
    const int wanted = view()->sizeHintForColumn(0) + frame + scrollBar;
    const int available = screen() ? screen()->availableGeometry().width() : wanted;
    view()->setMinimumWidth(std::min(wanted, available));
    QComboBox::showPopup();
}

void PortComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // After the pick that closed it: QComboBox reports the pick right after
    // this, by its place in the list as the operator saw it.
    if (m_waitingEntries)
        QTimer::singleShot(0, this, [this] {
            if (m_waitingEntries && !view()->isVisible())
                applyEntries(*std::exchange(m_waitingEntries, std::nullopt));
        });
}
