#include "cad/render/StrokeBatch.h"

#include <QPen>

namespace cad::render {
namespace {
constexpr std::size_t kBatchSize = 8192;
}

StrokeBatch::StrokeBatch(QPainter& painter) : painter_(painter) {
    lines_.reserve(kBatchSize);
    dots_.reserve(kBatchSize);
}

void StrokeBatch::use(QRgb color) {
    if (color != color_) {
        flush();
        color_ = color;
    }
}

void StrokeBatch::line(QRgb color, const QPointF& a, const QPointF& b) {
    use(color);
    lines_.emplace_back(a, b);
    if (lines_.size() >= kBatchSize)
        flush();
}

void StrokeBatch::dot(QRgb color, const QPointF& at) {
    use(color);
    dots_.push_back(at);
    if (dots_.size() >= kBatchSize)
        flush();
}

void StrokeBatch::flush() {
    if (lines_.empty() && dots_.empty())
        return;
    QPen pen(QColor::fromRgb(color_), 0);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    if (!lines_.empty())
        painter_.drawLines(lines_.data(), int(lines_.size()));
    if (!dots_.empty())
        painter_.drawPoints(dots_.data(), int(dots_.size()));
    lines_.clear();
    dots_.clear();
}

} // namespace cad::render
