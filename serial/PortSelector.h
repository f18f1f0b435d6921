#pragma once

#include <string>

// The "COM-port" selector as the port logic sees it: an editable text and a
// list of entries. Whoever realises it runs SelectPort on every change of the
// text, typed or set through SetText, and on every click on an entry.
class PortSelector
{
public:
    virtual ~PortSelector() = default;

    virtual void AddItem(const std::string &entry) = 0;
    virtual std::string List(int index) const = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string &text) = 0;
};
