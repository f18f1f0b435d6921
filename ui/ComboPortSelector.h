#pragma once

#include "serial/PortSelector.h"

class QComboBox;

// The port selector realised by the window's editable combo box. Setting the
// text goes through the combo box, so it raises the same change event as
// typing does.
class ComboPortSelector final : public PortSelector
{
public:
    explicit ComboPortSelector(QComboBox &combo) : m_combo(combo) {}

    void AddItem(const std::string &entry) override;
    std::string List(int index) const override;
    std::string Text() const override;
    void SetText(const std::string &text) override;

private:
    QComboBox &m_combo;
};
