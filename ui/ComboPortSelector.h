#pragma once

#include "serial/PortSelector.h"

#include <functional>
#include <utility>

class QComboBox;

// The port selector realised by the window's editable combo box. Setting the
// text raises the change event, as typing does; a pick from the list sets the
// text too, but raises only its own event.
class ComboPortSelector final : public PortSelector
{
public:
    ComboPortSelector(QComboBox &combo, std::function<void()> textSet) : m_combo(combo), m_textSet(std::move(textSet))
    {}

    void AddItem(const std::string &entry) override;
    std::string List(int index) const override;
    std::string Text() const override;
    void SetText(const std::string &text) override;

private:
    QComboBox &m_combo;
    std::function<void()> m_textSet;
};
