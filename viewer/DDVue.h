#pragma once

#include "cad/render/RenderJob.h"
#include "cad/render/Scene.h"
#include "cad/render/ViewTransform.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// The drawing view: shows one drawing and lets the user pan and zoom it. The host drives it
// through Open, Close, ScreenToWorld, ViewCommand, ZoomExtents and BackColor, and hears of
// the mouse through OnMouseMove, OnMouseDown and OnMouseUp, whose coordinates are pixels of
// the view. An interaction chosen by ViewCommand (pan, zoom window) serves one drag; the host
// chooses it again for the next one.
//
// Pictures are made by a render job on another thread: while one is being made for a new
// view, the last picture is shown placed where the new view puts it.
class DDVue : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    using ViewTransform = cad::render::ViewTransform;

    // Codes of ViewCommand.
    enum Command : short { CommandPan = 1, CommandPreviousView = 3, CommandZoomWindow = 4 };
    enum class Interaction { None, Pan, ZoomWindow };
    // Button codes of OnMouseDown and OnMouseUp.
    enum Button : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    explicit DDVue(QWidget* parent = nullptr);

    // Reads the drawing of the file and shows it zoomed to its extents; false when the file
    // cannot be read, with the reason in openError(). A failed open leaves the view as it was.
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
    bool hasPreviousView() const { return !history.empty(); }
    // True while the picture of the current view is still being made.
    bool rendering() const { return renderJob.busy(); }

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
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showScene(std::shared_ptr<const cad::render::Scene> shown);
    void fitExtents();
    ViewTransform extentsView() const;
    // Makes `next` the view; the one it replaces can be gone back to.
    void showView(const ViewTransform& next);
    void viewChanged();
    void takePicture(const QImage& rendered, const ViewTransform& renderedFor);
    void zoomByWheel(QPointF at, double factor);
    void finishZoomWindow(QPoint releasedAt);
    QRgb backgroundRgb() const;

    FileOpener fileOpener;
    quint32 backColorValue = 0;
    QString lastOpenError;
    Interaction currentInteraction = Interaction::None;

    std::shared_ptr<const cad::render::Scene> scene;
    cad::render::RenderJob renderJob;
    ViewTransform currentView;
    cad::render::ViewHistory history;
    // True while the view shows the extents as Open or ZoomExtents set them, so that a
    // resize fits them again instead of keeping the scale.
    bool showsExtents = true;
    QImage picture;
    ViewTransform pictureView;

    bool dragging = false;
    QPoint dragStart;
    QPoint dragLast;
    ViewTransform viewAtDragStart;
    // A run of wheel notches counts as one step for the previous view.
    bool wheelRun = false;
    QElapsedTimer sinceLastWheel;
};
