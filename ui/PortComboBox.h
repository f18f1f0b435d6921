#pragma once

#include <QComboBox>
#include <QStringList>

#include <optional>

// The "COM-port" selector: an editable combo box whose every edit and every
// pick names a port. It tells the two apart (typed, picked) and never says
// anything when the program sets its text or its list. So that nothing
// reaches a device the operator did not choose:
// - the mouse wheel over it changes nothing;
// - while its list is open, a new list waits until it closes, so Enter or a
//   click picks the entry the operator saw highlighted.
// Its list is as wide as its longest entry, and its text shows from the
// start, where the port number is.
class PortComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PortComboBox(QWidget *parent = nullptr);

    void setEntries(const QStringList &entries);
    void setText(const QString &text);

signals:
    void typed(const QString &text);
    void picked(const QString &entry);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showPopup() override;
    void hidePopup() override;

private:
    void applyEntries(const QStringList &entries);
    void pick(int index);

    std::optional<QStringList> m_waitingEntries;
};
