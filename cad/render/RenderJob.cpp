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
        ++generation_;
    }
    wake_.notify_one();
    worker_.join();
}

void RenderJob::setScene(std::shared_ptr<const Scene> scene) {
    std::lock_guard lock(mutex_);
    scene_ = std::move(scene);
}

void RenderJob::request(const ViewTransform& view, QRgb background) {
    {
        std::lock_guard lock(mutex_);
        pending_ = Request{scene_, view, background, ++generation_};
    }
    wake_.notify_one();
}

void RenderJob::cancel() {
    std::lock_guard lock(mutex_);
    pending_.reset();
    delivered_ = ++generation_;
}

bool RenderJob::busy() const {
    return delivered_.load() != generation_.load();
}

void RenderJob::work() {
    for (;;) {
        Request job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*pending_);
            pending_.reset();
        }
        QImage picture(job.view.size(), QImage::Format_RGB32);
        const auto stale = [&] { return generation_.load() != job.generation; };
        bool finished = true;
        if (job.scene)
            finished = paintScene(*job.scene, job.view, picture, job.background, stale);
        else
            picture.fill(job.background);
        if (finished && !stale())
            deliver(picture, job.view, job.generation);
    }
}

void RenderJob::deliver(const QImage& picture, const ViewTransform& view,
                        std::uint64_t generation) {
    // Runs the hand-over on the job's own thread; a newer request by then wins.
    QMetaObject::invokeMethod(
        this,
        [this, picture, view, generation] {
            if (generation_.load() != generation)
                return;
            delivered_ = generation;
            emit rendered(picture, view);
        },
        Qt::QueuedConnection);
}

} // namespace cad::render
