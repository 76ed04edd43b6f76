#include "cad/render/RenderJob.h"

#include "cad/render/PainterBackEnd.h"

#include <QMetaObject>

namespace cad::render {

RenderJob::RenderJob(QObject* parent) : QObject(parent) {
    qRegisterMetaType<ViewTransform>();
    worker_ = std::thread([this] { work(); });
}

RenderJob::~RenderJob() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.reset();
        stopRunning();
    }
    wake_.notify_one();
    worker_.join();
}

void RenderJob::stopRunning() {
    ++epoch_;
}

void RenderJob::setScene(std::shared_ptr<const Scene> scene) {
    std::lock_guard lock(mutex_);
    scene_ = std::move(scene);
    stopRunning();
}

void RenderJob::request(const ViewTransform& view, QRgb background) {
    {
        std::lock_guard lock(mutex_);
        // A picture of another size cannot stand in for the new one.
        if (runningSize_.isValid() && runningSize_ != view.size())
            stopRunning();
        pending_ = Request{scene_, view, background, ++requested_, epoch_.load()};
    }
    wake_.notify_one();
}

void RenderJob::cancel() {
    std::lock_guard lock(mutex_);
    pending_.reset();
    stopRunning();
    delivered_ = requested_;
}

bool RenderJob::busy() const {
    std::lock_guard lock(mutex_);
    return delivered_.load() != requested_;
}

void RenderJob::work() {
    for (;;) {
        Request job;
        {
            std::unique_lock lock(mutex_);
            runningSize_ = QSize();
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*pending_);
            pending_.reset();
            if (job.epoch != epoch_.load())
                continue;
            runningSize_ = job.view.size();
        }
        QImage picture(job.view.size(), QImage::Format_RGB32);
        const auto stopped = [&] { return epoch_.load() != job.epoch; };
        bool finished = true;
        if (job.scene)
            finished = paintScene(*job.scene, job.view, picture, job.background, stopped);
        else
            picture.fill(job.background);
        if (finished && !stopped())
            deliver(picture, job);
    }
}

void RenderJob::deliver(const QImage& picture, const Request& job) {
    // Runs the hand-over on the job's own thread; a cancel by then wins.
    QMetaObject::invokeMethod(
        this,
        [this, picture, view = job.view, sequence = job.sequence, epoch = job.epoch] {
            if (epoch_.load() != epoch || sequence <= delivered_.load())
                return;
            delivered_ = sequence;
            emit rendered(picture, view);
        },
        Qt::QueuedConnection);
}

} // namespace cad::render
