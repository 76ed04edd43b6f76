#pragma once

#include "MainWindowFixture.h"

#include "viewer/DDVue.h"

#include <QEvent>
#include <QLabel>
#include <QStringList>

#include <memory>
#include <stdexcept>

// Counts the events of one type that reach a widget.
class EventCounter : public QObject {
public:
    EventCounter(QWidget* widget, QEvent::Type type) : counted(type) {
        widget->installEventFilter(this);
    }
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == counted)
            ++seen;
        return false;
    }

private:
    QEvent::Type counted;
};

// The main window with a drawing view whose file reading is replaced: each open answers
// `openAnswer` (or raises when `openRaises`), and records the path and whether the
// "opening" notice was showing.
class DrawingViewerFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        start();
        noticePaints = std::make_unique<EventCounter>(window->RzPanelWaite, QEvent::Paint);
        window->DDVue1->setFileOpener([this](const QString& path) {
            openedPaths.append(path);
            noticeShownWhileOpening = window->RzPanelWaite->isVisible();
            noticePaintedWhileOpening = noticePaints->seen > 0;
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

    std::unique_ptr<EventCounter> noticePaints;
    bool openAnswer = true;
    bool openRaises = false;
    QStringList openedPaths;
    bool noticeShownWhileOpening = false;
    bool noticePaintedWhileOpening = false;
    DDVue::Interaction interactionWhileOpening = DDVue::Interaction::None;
};
