#pragma once
// Renders views of a scene on a worker thread, so that the user-interface
// thread never waits for a big drawing: it asks for a view, keeps showing the
// last picture (placed by ViewTransform::pictureTransformFrom), and receives
// new ones through `rendered`. A new request replaces the one still waiting;
// the one in progress is finished and delivered (during a pan or a series of
// zooms the pictures keep coming at the rate they can be made), unless the
// view's size, the scene or cancel() made it useless. The latest request is
// always delivered last.

#include "cad/render/Scene.h"
#include "cad/render/ViewTransform.h"

#include <QImage>
#include <QObject>
#include <QRgb>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace cad::render {

class RenderJob : public QObject {
    Q_OBJECT
public:
    explicit RenderJob(QObject* parent = nullptr);
    ~RenderJob() override;

    // The scene later requests draw; null draws empty pictures.
    void setScene(std::shared_ptr<const Scene> scene);
    // Asks for a picture of `view` over `background`; replaces any request not
    // yet delivered.
    void request(const ViewTransform& view, QRgb background);
    // Drops the pending request and stops the one in progress.
    void cancel();
    // True while a request has not been delivered.
    bool busy() const;

signals:
    // Delivered on the thread the job lives in.
    void rendered(const QImage& picture, const cad::render::ViewTransform& view);

private:
    struct Request {
        std::shared_ptr<const Scene> scene;
        ViewTransform view;
        QRgb background = 0;
        std::uint64_t sequence = 0; // numbers requests in order
        std::uint64_t epoch = 0;    // what cancelling advances
    };
    void work();
    void deliver(const QImage& picture, const Request& job);
    void stopRunning(); // with mutex_ held

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<const Scene> scene_;
    std::optional<Request> pending_;
    QSize runningSize_;
    std::uint64_t requested_ = 0;
    std::atomic<std::uint64_t> epoch_{0};
    std::atomic<std::uint64_t> delivered_{0};
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace cad::render
