#pragma once

#include <QLabel>
#include <QPoint>

// A label or picture that reports the mouse: the second press of a double click, the start
// of a drag (the pointer moved far enough with a
// button held since the press), and each click (a left press and its release on the label).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void doubleClicked();
    void dragStarted();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void press(QMouseEvent* event);

    bool leftDown = false;
    bool dragPending = false;
    QPoint pressedAt;
};

// The form's clickable labels are declared as plain labels.
inline ClickableLabel* asClickable(QLabel* label) {
    return qobject_cast<ClickableLabel*>(label);
}
