#pragma once

#include <QAbstractButton>

// A button drawn as a link, and told to screen readers as one: the offer of
// the last match under the status line. Tab reaches it and shows the
// style's focus frame around it; Enter or Space presses it, as they press
// every button here.
class RestoreLink : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RestoreLink(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
