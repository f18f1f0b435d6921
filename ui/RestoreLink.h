#pragma once

#include <QPushButton>

// A button drawn as a link, and told to screen readers as one: the offer of
// the last match under the status line. Tab reaches it (with the style's
// focus frame), and Enter or Space presses it as they press any button here.
class RestoreLink : public QPushButton
{
    Q_OBJECT

public:
    explicit RestoreLink(QWidget *parent = nullptr);
};
