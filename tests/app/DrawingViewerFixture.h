#pragma once

#include "MainWindowFixture.h"

#include "viewer/DDVue.h"

#include <QEvent>
#include <QLabel>
#include <QStringList>

#include <stdexcept>

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int painted = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++painted;
        return false;
    }
};

// The main window with a drawing view whose file reading is replaced: each open answers
// `openAnswer` (or raises when `openRaises`), and records the path and whether the
// "opening" notice was showing.
class DrawingViewerFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        start();
        window->RzPanelWaite->installEventFilter(&noticePaints);
        window->DDVue1->setFileOpener([this](const QString& path) {
            openedPaths.append(path);
            noticeShownWhileOpening = window->RzPanelWaite->isVisible();
            noticePaintedWhileOpening = noticePaints.painted > 0;
            interactionWhileOpening = window->DDVue1->interaction();
            if (openRaises)
                throw std::runtime_error("damaged file");
            return openAnswer;
        });
    }

    // Opens a drawing that the view accepts.
    void openDrawing() {
        openAnswer = true;
        window->OpenDrawing(filesFolder() + "plan.dwg");
        ASSERT_TRUE(window->DrawingLoaded);
    }

    DDVue& view() { return *window->DDVue1; }

    PaintCounter noticePaints;
    bool openAnswer = true;
    bool openRaises = false;
    QStringList openedPaths;
    bool noticeShownWhileOpening = false;
    bool noticePaintedWhileOpening = false;
    DDVue::Interaction interactionWhileOpening = DDVue::Interaction::None;
};
