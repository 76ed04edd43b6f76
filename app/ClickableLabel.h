#pragma once

#include <QLabel>

// A label or picture that reports the mouse: each press, the second press of a double click
// (reported instead of a press), and each click (a left press and its release on the label).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    void doubleClicked();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown = false;
};

// The form's clickable labels are declared as plain labels.
inline ClickableLabel* asClickable(QLabel* label) {
    return qobject_cast<ClickableLabel*>(label);
}
