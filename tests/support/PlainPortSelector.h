#pragma once

#include "serial/PortSelection.h"
#include "serial/PortSelector.h"

#include <functional>
#include <vector>

// The port selector without a widget: every change of the text runs
// SelectPort on the link, as the window's combo box does.
class PlainPortSelector final : public PortSelector
{
public:
    explicit PlainPortSelector(SerialLink &link) : m_link(link) {}

    std::vector<std::string> entries;
    std::string text = "Combo1";
    std::vector<LinkResult> selections; // what each SelectPort it ran returned
    std::function<void()> beforeSelect; // lets a test change the world between probe and selection

    void AddItem(const std::string &entry) override { entries.push_back(entry); }
    std::string List(int index) const override { return entries.at(std::size_t(index)); }
    std::string Text() const override { return text; }
    void SetText(const std::string &newText) override
    {
        text = newText;
        if (beforeSelect)
            beforeSelect();
        selections.push_back(SelectPort(m_link, text));
    }

private:
    SerialLink &m_link;
};
