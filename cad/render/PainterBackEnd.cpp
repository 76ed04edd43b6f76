#include "cad/render/PainterBackEnd.h"

#include "cad/render/Clipping.h"
#include "cad/render/PixelCanvas.h"
#include "cad/render/StrokeBatch.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <bit>
#include <cmath>
#include <numbers>
#include <optional>

namespace cad::render {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Pixels beyond the picture's edge that clipped strokes still reach, so that
// their ends never show.
constexpr double kGuard = 4;
// Texts smaller than this (capital height in pixels) are drawn as a line.
constexpr double kSmallestText = 2.5;
constexpr int kMaxArcSegments = 4096;
// How far, in pixels, the chords that draw a curve may stray from it.
constexpr double kArcTolerance = 0.25;
// The shortest chord, in pixels, worth drawing on a curve.
constexpr double kShortestChord = 2;

bool meets(const Box2& a, const Box2& b) {
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

bool inside(const Box2& inner, const Box2& outer) {
    return inner.minX >= outer.minX && inner.maxX <= outer.maxX && inner.minY >= outer.minY &&
           inner.maxY <= outer.maxY;
}

QPointF qpoint(const Vec2& p) {
    return {p.x, p.y};
}

// Generic over where strokes go, so that the pixel canvas's line and dot
// calls, a few million per redraw, compile inline.
template <class Sink> class PainterBackEnd {
public:
    PainterBackEnd(const Scene& scene, const ViewTransform& view, QPainter& painter, Sink& strokes,
                   QRgb background)
        : scene_(scene), rec_(scene.recording()), view_(view), painter_(painter), batch_(strokes),
          toPixel_(view.worldToPixel()), background_(background & 0xFFFFFF) {
        pixelClip_.add(-kGuard, -kGuard);
        pixelClip_.add(view.size().width() + kGuard, view.size().height() + kGuard);
        const double margin = kGuard / view.scale();
        const Box2 shown = view.visibleWorld();
        worldView_.add(shown.minX - margin, shown.minY - margin);
        worldView_.add(shown.maxX + margin, shown.maxY + margin);
    }

    bool run(const std::function<bool()>& cancelled) {
        const std::size_t n = rec_.size();
        if (inside(scene_.extents(), worldView_)) {
            for (std::uint32_t id = 0; id < n; ++id) {
                if ((id & 4095) == 0 && cancelled && cancelled())
                    return false;
                draw(id);
            }
            batch_.flush();
            return true;
        }
        std::vector<std::uint64_t> marked((n + 63) / 64);
        const auto mark = [&](std::uint32_t id) {
            marked[id / 64] |= std::uint64_t(1) << (id % 64);
        };
        scene_.index().query(worldView_, mark);
        for (const std::uint32_t id : scene_.unindexed())
            mark(id);
        // In recorded order, so that fills and wipeouts cover what they should.
        for (std::size_t word = 0; word < marked.size(); ++word) {
            if ((word & 63) == 0 && cancelled && cancelled())
                return false;
            for (std::uint64_t bits = marked[word]; bits != 0; bits &= bits - 1)
                draw(std::uint32_t(word * 64 + std::size_t(std::countr_zero(bits))));
        }
        batch_.flush();
        return true;
    }

private:
    QRgb rgb(Ink ink) const { return 0xFF000000u | ink.resolve(background_); }
    QPointF pixel(const Vec2& world) const { return qpoint(toPixel_.map(world)); }

    void draw(std::uint32_t id) {
        const Primitive& prim = rec_.primitives()[id];
        const Box2& box = rec_.boxes()[id];
        switch (prim.kind) {
        case PrimitiveKind::Point:
            return drawPoint(prim);
        case PrimitiveKind::XLine:
        case PrimitiveKind::Ray:
            return drawInfinite(prim);
        default:
            break;
        }
        if (!meets(box, worldView_))
            return;
        const double s = view_.scale();
        if (box.width() * s < 1 && box.height() * s < 1) {
            // Below a pixel: a dot, except wipeouts, which would only make holes.
            if (prim.ink.role() != Ink::Role::Background)
                batch_.dot(rgb(prim.ink),
                           pixel({(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2}));
            return;
        }
        switch (prim.kind) {
        case PrimitiveKind::Polyline:
        case PrimitiveKind::Segments:
            return drawStrokes(prim, box);
        case PrimitiveKind::BulgePath:
            return drawBulgePath(prim, box);
        case PrimitiveKind::Polygon:
            return drawPolygon(prim, box);
        case PrimitiveKind::EllipseArc:
            return drawArc(prim, box);
        case PrimitiveKind::Text:
            return drawText(prim);
        default:
            return;
        }
    }

    void stroke(QRgb color, Vec2 a, Vec2 b, bool clip) {
        if (clip && !clipSegment(a, b, pixelClip_))
            return;
        if (a == b)
            batch_.dot(color, qpoint(a));
        else
            batch_.line(color, qpoint(a), qpoint(b));
    }

    bool needsClip(const Box2& worldBox) const {
        Box2 px;
        px.add(toPixel_.map(worldBox.minX, worldBox.minY));
        px.add(toPixel_.map(worldBox.maxX, worldBox.maxY));
        return !inside(px, pixelClip_);
    }

    void drawStrokes(const Primitive& prim, const Box2& box) {
        const auto pts = rec_.pointsOf(prim);
        const QRgb color = rgb(prim.ink);
        const bool clip = needsClip(box);
        if (prim.kind == PrimitiveKind::Segments) {
            for (std::size_t i = 0; i + 1 < pts.size(); i += 2)
                stroke(color, toPixel_.map(pts[i]), toPixel_.map(pts[i + 1]), clip);
            return;
        }
        // Points closer than a pixel to the last one drawn add nothing: a
        // finely flattened curve seen small costs what its pixels cost.
        const Vec2 first = toPixel_.map(pts[0]);
        Vec2 prev = first;
        if (pts.size() == 1)
            stroke(color, prev, prev, clip);
        const std::size_t stride = pointStride(pts.size(), box);
        for (std::size_t i = stride; i < pts.size() + stride - 1; i += stride) {
            i = std::min(i, pts.size() - 1);
            const Vec2 cur = toPixel_.map(pts[i]);
            const bool last = i + 1 == pts.size();
            if (!last && std::abs(cur.x - prev.x) < 1 && std::abs(cur.y - prev.y) < 1)
                continue;
            stroke(color, prev, cur, clip);
            prev = cur;
        }
        if (prim.closed && pts.size() > 2)
            stroke(color, prev, first, clip);
    }

    // A path seen a few pixels across needs no more than a few points per
    // pixel of its size: every stride-th point of a finely flattened curve.
    std::size_t pointStride(std::size_t count, const Box2& box) const {
        const double pixels = std::max(box.width(), box.height()) * view_.scale();
        if (pixels >= 32)
            return 1;
        return std::max<std::size_t>(1, count / std::size_t(4 * pixels + 4));
    }

    void drawBulgePath(const Primitive& prim, const Box2& box) {
        const auto pairs = rec_.pointsOf(prim);
        const std::size_t vertices = pairs.size() / 2;
        const QRgb color = rgb(prim.ink);
        const bool clip = needsClip(box);
        const std::size_t segments = prim.closed ? vertices : vertices - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const Vec2 p0 = toPixel_.map(pairs[2 * i]);
            const Vec2 p1 = toPixel_.map(pairs[2 * ((i + 1) % vertices)]);
            // Pixel y runs down: the arc turns the other way on screen.
            const double bulge = -pairs[2 * i + 1].x;
            if (bulge == 0 || (p0.x == p1.x && p0.y == p1.y))
                stroke(color, p0, p1, clip);
            else
                strokeBulge(color, p0, p1, bulge, clip);
        }
    }

    // The arc from p0 to p1 (pixels) in as many chords as its size on screen
    // needs. Square roots only: the turn by a quarter of the sweep (4 atan
    // bulge) has cosine 1 / sqrt(1 + bulge^2), and halving it is half-angle
    // arithmetic. A million small arcs make trigonometry the main cost here.
    void strokeBulge(QRgb color, const Vec2& p0, const Vec2& p1, double bulge, bool clip) {
        const double dx = p1.x - p0.x, dy = p1.y - p0.y;
        const double chord = std::sqrt(dx * dx + dy * dy);
        const double toCentre = (1 - bulge * bulge) / (4 * bulge); // in chords, to the left
        const Vec2 centre{(p0.x + p1.x) / 2 - dy * toCentre, (p0.y + p1.y) / 2 + dx * toCentre};
        const double radius = chord * (1 + bulge * bulge) / (4 * std::abs(bulge));
        if (chord < kShortestChord && std::abs(bulge) <= 1)
            return stroke(color, p0, p1, clip); // at most half a circle on a pixel or two
        // The turn of each chord: a half of the sweep when that is at most a
        // half circle, else a quarter.
        const double b2 = bulge * bulge;
        const bool halves = std::abs(bulge) <= 1;
        double cs = halves ? (1 - b2) / (1 + b2) : 1 / std::sqrt(1 + b2);
        double sn = halves ? 2 * bulge / (1 + b2) : bulge * cs;
        int n = halves ? 2 : 4;
        // The chord of a turn t strays radius (1 - cos(t / 2)) from the arc and
        // is 2 radius sin(t / 2) long; halving the turn as long as both say so.
        for (double half = std::sqrt((1 + cs) / 2);
             n < kMaxArcSegments && radius * (1 - half) > kArcTolerance &&
             radius * std::sqrt(2 * (1 - half)) > kShortestChord;
             half = std::sqrt((1 + cs) / 2)) {
            sn /= 2 * half;
            cs = half;
            n *= 2;
        }
        Vec2 arm{p0.x - centre.x, p0.y - centre.y};
        Vec2 prev = p0;
        for (int i = 1; i < n; ++i) {
            arm = {arm.x * cs - arm.y * sn, arm.x * sn + arm.y * cs};
            const Vec2 cur{centre.x + arm.x, centre.y + arm.y};
            stroke(color, prev, cur, clip);
            prev = cur;
        }
        stroke(color, prev, p1, clip); // exactly, so that the next segment joins
    }

    void drawPolygon(const Primitive& prim, const Box2& box) {
        batch_.flush();
        const auto pts = rec_.pointsOf(prim);
        const auto& rings = rec_.ringSizes();
        const bool clip = needsClip(box);
        QPainterPath path;
        path.setFillRule(prim.winding ? Qt::WindingFill : Qt::OddEvenFill);
        std::size_t at = 0;
        std::vector<QPointF> ring;
        for (std::uint32_t r = 0; r < rings[prim.aux]; ++r) {
            const std::uint32_t size = rings[prim.aux + 1 + r];
            ring.clear();
            for (std::uint32_t k = 0; k < size; ++k)
                ring.push_back(pixel(pts[at + k]));
            at += size;
            if (clip)
                ring = clipRing(ring, pixelClip_);
            if (ring.size() >= 3)
                path.addPolygon(QPolygonF(QList<QPointF>(ring.begin(), ring.end())));
        }
        painter_.fillPath(path, QColor::fromRgb(rgb(prim.ink)));
    }

    // Segments for an arc of `sweep` radians at `radius` pixels, each short
    // enough that the chord strays at most kArcTolerance from the curve (a
    // turn t strays radius (1 - cos(t / 2)), a little less than radius t^2 / 8)
    // but no shorter than kShortestChord: finer steps than that on a small
    // arc only draw the same pixels again.
    static int arcSegments(double radius, double sweep) {
        const double turn = std::abs(sweep);
        const double bySag = std::ceil(turn / std::sqrt(8 * kArcTolerance / radius));
        const double byLength = std::ceil(radius * turn / kShortestChord);
        const double n = std::min(bySag, byLength);
        return std::isfinite(n) ? int(std::clamp(n, 3.0, double(kMaxArcSegments))) : 3;
    }

    // Whether centre + u cos t + v sin t over the sweep is a whole circle.
    static bool isCircle(const Vec2& u, const Vec2& v, double sweep) {
        const double uu = u.x * u.x + u.y * u.y, vv = v.x * v.x + v.y * v.y;
        const double uv = u.x * v.x + u.y * v.y;
        return sweep >= kTwoPi * (1 - 1e-9) && std::abs(uu - vv) <= 1e-9 * uu &&
               std::abs(uv) <= 1e-9 * uu;
    }

    void drawArc(const Primitive& prim, const Box2& box) {
        const auto d = rec_.pointsOf(prim);
        const Vec2 c = d[0], u = d[1], v = d[2];
        const double t0 = d[3].x, t1 = d[3].y;
        const double radius = std::max(std::hypot(u.x, u.y), std::hypot(v.x, v.y)) * view_.scale();
        const QRgb color = rgb(prim.ink);
        // In pixels: centre + u cos t + v sin t, the angle advanced by rotation.
        const Vec2 cp = toPixel_.map(c), up = toPixel_.mapVector(u), vp = toPixel_.mapVector(v);
        if (isCircle(up, vp, t1 - t0) && batch_.circle(color, qpoint(cp), radius))
            return;
        const int n = arcSegments(radius, t1 - t0);
        const bool clip = needsClip(box);
        const double step = (t1 - t0) / n;
        const double cs1 = std::cos(step), sn1 = std::sin(step);
        double cs = std::cos(t0), sn = std::sin(t0);
        Vec2 prev{cp.x + up.x * cs + vp.x * sn, cp.y + up.y * cs + vp.y * sn};
        for (int i = 1; i <= n; ++i) {
            const double next = cs * cs1 - sn * sn1;
            sn = sn * cs1 + cs * sn1;
            cs = next;
            const Vec2 cur{cp.x + up.x * cs + vp.x * sn, cp.y + up.y * cs + vp.y * sn};
            stroke(color, prev, cur, clip);
            prev = cur;
        }
    }

    void drawText(const Primitive& prim) {
        const TextRun& run = rec_.texts()[prim.aux];
        const Vec2 up = run.toWorld.mapVector({0, 1});
        const double heightPx = std::hypot(up.x, up.y) * view_.scale();
        const QRgb color = rgb(prim.ink);
        if (heightPx < kSmallestText) {
            const Affine2 m = toPixel_ * run.toWorld;
            stroke(color, m.map(0, 0.4), m.map(run.advance, 0.4), true);
            return;
        }
        batch_.flush();
        const FontCatalog& fonts = scene_.fonts();
        const double cap = fonts.capHeight(run.font);
        const Affine2 m = toPixel_ * run.toWorld * Affine2::scaling(1 / cap, -1 / cap);
        painter_.setTransform(QTransform(m.a, m.b, m.c, m.d, m.e, m.f));
        painter_.setFont(fonts.font(run.font));
        painter_.setPen(QColor::fromRgb(color));
        painter_.drawText(QPointF(0, 0), run.text);
        painter_.resetTransform();
    }

    void drawPoint(const Primitive& prim) {
        const auto d = rec_.pointsOf(prim);
        const QPointF at = pixel(d[0]);
        const double margin = 64;
        if (at.x() < -margin || at.y() < -margin || at.x() > view_.size().width() + margin ||
            at.y() > view_.size().height() + margin)
            return;
        const double size = d[1].x;
        const double px = size > 0   ? size * view_.scale()
                          : size < 0 ? -size / 100 * view_.size().height()
                                     : 0.05 * view_.size().height();
        const double h = std::min(px, 4096.0) / 2;
        const QRgb color = rgb(prim.ink);
        const Vec2 p{at.x(), at.y()};
        const int mode = int(prim.aux);
        switch (mode & 7) {
        case 0:
            batch_.dot(color, at);
            break;
        case 2:
            stroke(color, {p.x - h, p.y}, {p.x + h, p.y}, true);
            stroke(color, {p.x, p.y - h}, {p.x, p.y + h}, true);
            break;
        case 3:
            stroke(color, {p.x - h, p.y - h}, {p.x + h, p.y + h}, true);
            stroke(color, {p.x - h, p.y + h}, {p.x + h, p.y - h}, true);
            break;
        case 4:
            stroke(color, p, {p.x, p.y - h}, true);
            break;
        default:
            break; // 1: nothing
        }
        if (mode & 32) {
            const int n = arcSegments(h, kTwoPi);
            for (int i = 0; i < n; ++i) {
                const double a0 = kTwoPi * i / n, a1 = kTwoPi * (i + 1) / n;
                stroke(color, {p.x + h * std::cos(a0), p.y + h * std::sin(a0)},
                       {p.x + h * std::cos(a1), p.y + h * std::sin(a1)}, true);
            }
        }
        if (mode & 64) {
            const Vec2 corners[4] = {
                {p.x - h, p.y - h}, {p.x + h, p.y - h}, {p.x + h, p.y + h}, {p.x - h, p.y + h}};
            for (int i = 0; i < 4; ++i)
                stroke(color, corners[i], corners[(i + 1) % 4], true);
        }
    }

    void drawInfinite(const Primitive& prim) {
        const auto d = rec_.pointsOf(prim);
        const double len = std::hypot(d[1].x, d[1].y);
        const Vec2 dir{d[1].x / len, d[1].y / len};
        double t0 = prim.kind == PrimitiveKind::Ray ? 0 : -1e300, t1 = 1e300;
        if (!clipParametric(d[0], dir, worldView_, t0, t1))
            return;
        const Vec2 a{d[0].x + dir.x * t0, d[0].y + dir.y * t0};
        const Vec2 b{d[0].x + dir.x * t1, d[0].y + dir.y * t1};
        stroke(rgb(prim.ink), toPixel_.map(a), toPixel_.map(b), true);
    }

    const Scene& scene_;
    const Recording& rec_;
    const ViewTransform& view_;
    QPainter& painter_;
    Sink& batch_;
    Affine2 toPixel_;
    QRgb background_;
    Box2 pixelClip_;
    Box2 worldView_;
};

} // namespace

bool paintScene(const Scene& scene, const ViewTransform& view, QImage& image, QRgb background,
                const std::function<bool()>& cancelled, PaintOptions options) {
    image.fill(QColor::fromRgb(background));
    // Sharp strokes go straight into the pixels; the canvas takes them before
    // the painter opens.
    std::optional<PixelCanvas> canvas;
    if (!options.antialiasing && PixelCanvas::supports(image))
        canvas.emplace(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, options.antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    StrokeBatch batch(painter);
    if (canvas)
        return PainterBackEnd(scene, view, painter, *canvas, background).run(cancelled);
    return PainterBackEnd(scene, view, painter, batch, background).run(cancelled);
}

QImage renderScene(const Scene& scene, const ViewTransform& view, QRgb background,
                   PaintOptions options) {
    QImage image(view.size(), QImage::Format_RGB32);
    paintScene(scene, view, image, background, {}, options);
    return image;
}

} // namespace cad::render
