#pragma once
// Collects one-pixel lines and dots of one colour and hands them to the painter
// in few calls: the painter's cost per call, not per pixel, dominates drawings
// of many small entities.

#include "cad/render/StrokeSink.h"

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRgb>

#include <vector>

namespace cad::render {

class StrokeBatch : public StrokeSink {
public:
    explicit StrokeBatch(QPainter& painter);
    ~StrokeBatch() override { flush(); }
    StrokeBatch(const StrokeBatch&) = delete;
    StrokeBatch& operator=(const StrokeBatch&) = delete;

    void line(QRgb color, const QPointF& a, const QPointF& b) override;
    void dot(QRgb color, const QPointF& at) override;
    void flush() override;

private:
    void use(QRgb color);

    QPainter& painter_;
    QRgb color_ = 0;
    std::vector<QLineF> lines_;
    std::vector<QPointF> dots_;
};

} // namespace cad::render
