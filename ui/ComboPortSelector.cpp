#include "ui/ComboPortSelector.h"

#include <QComboBox>
#include <QSignalBlocker>

void ComboPortSelector::AddItem(const std::string &entry)
{
    // QComboBox selects the first entry added to an empty list, which would
    // replace the text and, through the change event, open a port in the
    // middle of the probes. Adding to the list must leave the text alone.
    const QSignalBlocker quiet(&m_combo);
    const QString text = m_combo.currentText();
    m_combo.addItem(QString::fromStdString(entry));
    m_combo.setEditText(text);
}

std::string ComboPortSelector::List(int index) const
{
    return m_combo.itemText(index).toStdString();
}

std::string ComboPortSelector::Text() const
{
    return m_combo.currentText().toStdString();
}

void ComboPortSelector::SetText(const std::string &text)
{
    const QString newText = QString::fromStdString(text);
    if (newText == m_combo.currentText())
        return; // no change, no change event
    m_combo.setEditText(newText);
    m_textSet();
}
