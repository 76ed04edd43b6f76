#pragma once

#include "viewer/ViewTransform.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

// The drawing view: shows one drawing and lets the user pan and zoom it. The host drives it
// through Open, Close, ScreenToWorld, ViewCommand, ZoomExtents and BackColor, and hears of
// the mouse through OnMouseMove, OnMouseDown and OnMouseUp, whose coordinates are pixels of
// the view. An interaction chosen by ViewCommand (pan, zoom window) serves one drag; the host
// chooses it again for the next one.
class DDVue : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    // Codes of ViewCommand.
    enum Command : short { CommandPan = 1, CommandPreviousView = 3, CommandZoomWindow = 4 };
    enum class Interaction { None, Pan, ZoomWindow };
    // Button codes of OnMouseDown and OnMouseUp.
    enum Button : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    explicit DDVue(QWidget* parent = nullptr);

    // Shows the drawing of the file and answers whether it could. No drawing engine is built
    // in yet, so every file is refused; openError() tells why.
    bool Open(const QString& path);
    // Hands the reading of files to another reader (one that may also raise errors); an
    // empty one brings the built-in reading back.
    using FileOpener = std::function<bool(const QString& path)>;
    void setFileOpener(FileOpener opener) { fileOpener = std::move(opener); }
    bool Close();
    void ScreenToWorld(double x, double y, double& worldX, double& worldY) const;
    bool ViewCommand(short command);
    void ZoomExtents();

    // The background as a colour value (red in the lowest byte; 0x80 in the top byte marks a
    // system colour).
    quint32 BackColor() const { return backColorValue; }
    void setBackColor(quint32 value);

    QString openError() const { return lastOpenError; }
    Interaction interaction() const { return currentInteraction; }
    const ViewTransform& view() const { return currentView; }
    bool hasPreviousView() const { return !previousViews.isEmpty(); }

signals:
    void OnEntitySelected(QString& entityHandle);
    void OnClick();
    void OnMouseMove(int lX, int lY);
    void OnMouseDown(int lX, int lY, short nButton);
    void OnMouseUp(int lX, int lY, short nButton);
    void OnDblClick();
    void OnVectorizeStart();
    void OnVectorizeEnd();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showView(const ViewTransform& view);
    void rememberView(const ViewTransform& view);
    void finishZoomWindow(QPoint releasedAt);

    FileOpener fileOpener;
    quint32 backColorValue = 0;
    QString lastOpenError;
    Interaction currentInteraction = Interaction::None;
    ViewTransform currentView;
    QVector<ViewTransform> previousViews;
    QRectF drawingExtents;
    bool dragging = false;
    QPoint dragStart;
    QPoint dragLast;
    ViewTransform viewAtDragStart;
};
