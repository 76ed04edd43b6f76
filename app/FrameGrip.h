#pragma once

#include <QCursor>
#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Moves and resizes a window without a system frame through the window system. The window's
// own surface (the window and the plain labels and pictures on it) has resize zones at its
// edges and corners: hovering one shows its resize cursor, a left press there starts the
// window system's resize. Controls that take the mouse themselves answer for themselves.
class FrameGrip : public QObject {
    Q_OBJECT
public:
    explicit FrameGrip(QWidget* window);

    // Makes Surface, the window or a label or picture on it, part of the surface.
    void attach(QWidget* surface);

    // The window system's move and resize of the window; false when it cannot do them.
    std::function<bool()> startMove;
    std::function<bool(Qt::Edges)> startResize;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Surface {
        QWidget* widget;
        QCursor own;
    };

    QWidget* window;
    std::vector<Surface> surfaces;
};
