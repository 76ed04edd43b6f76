#include "app/FrameZones.h"

namespace {

constexpr int kGrip = 10;

struct Zone {
    int left, top, right, bottom; // right and bottom exclusive
    FrameZone answer;
};

} // namespace

FrameZone FrameZoneAt(QPoint point, QSize size) {
    const int w = size.width(), h = size.height();
    // Tested in this order; the first zone holding the point answers.
    const Zone zones[] = {
        {0, 0, kGrip, kGrip, FrameZone::TopLeft},
        {w - kGrip, h - kGrip, w, h, FrameZone::BottomRight},
        {w - kGrip, 0, w, kGrip, FrameZone::TopRight},
        {0, h - kGrip, kGrip, h, FrameZone::BottomLeft},
        {kGrip, 0, w - kGrip, kGrip, FrameZone::Top},
        {0, kGrip, kGrip, h - kGrip, FrameZone::Left},
        {w - kGrip, kGrip, w, h - kGrip, FrameZone::Right},
        {kGrip, h - kGrip, w - kGrip, h, FrameZone::Bottom},
    };
    for (const Zone& zone : zones) {
        if (zone.left <= point.x() && point.x() < zone.right && zone.top <= point.y() &&
            point.y() < zone.bottom)
            return zone.answer;
    }
    return FrameZone::Client;
}

Qt::Edges ZoneEdges(FrameZone zone) {
    switch (zone) {
    case FrameZone::Left:
        return Qt::LeftEdge;
    case FrameZone::Right:
        return Qt::RightEdge;
    case FrameZone::Top:
        return Qt::TopEdge;
    case FrameZone::Bottom:
        return Qt::BottomEdge;
    case FrameZone::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameZone::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameZone::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameZone::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case FrameZone::Client:
        break;
    }
    return {};
}

Qt::CursorShape ZoneCursor(FrameZone zone) {
    switch (zone) {
    case FrameZone::Left:
    case FrameZone::Right:
        return Qt::SizeHorCursor;
    case FrameZone::Top:
    case FrameZone::Bottom:
        return Qt::SizeVerCursor;
    case FrameZone::TopLeft:
    case FrameZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameZone::TopRight:
    case FrameZone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FrameZone::Client:
        break;
    }
    return Qt::ArrowCursor;
}
