#include "cad/Extents.h"

#include "cad/Ocs.h"
#include "cad/SplineCurve.h"
#include "cad/TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cad {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Texts are measured without their fonts (see TextMetrics.h); descenders reach
// this much of the height below the baseline.
constexpr double kDescent = 0.3;
constexpr int kMaxNesting = 64;

Vec3 add(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 scaled(const Vec3& a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

bool finite(const Box2& box) {
    return std::isfinite(box.minX) && std::isfinite(box.minY) && std::isfinite(box.maxX) &&
           std::isfinite(box.maxY);
}

// The points of center + a cos t + b sin t for t from t0 over `sweep` that bound
// it; a sweep that is not in (0, 2 pi) is the whole ellipse.
void addEllipseArc(Box2& box, const Vec3& center, const Vec3& a, const Vec3& b, double t0,
                   double sweep) {
    auto at = [&](double t) {
        box.add(add(center, add(scaled(a, std::cos(t)), scaled(b, std::sin(t)))));
    };
    t0 = std::fmod(t0, kTwoPi);
    if (!(sweep > 0 && sweep < kTwoPi) || !std::isfinite(t0)) {
        t0 = 0;
        sweep = kTwoPi;
    }
    at(t0);
    at(t0 + sweep);
    // Where x or y of the ellipse is extreme: at t and t + pi for each.
    for (double extreme : {std::atan2(b.x, a.x), std::atan2(b.y, a.y)})
        for (double t : {extreme, extreme + std::numbers::pi})
            if (std::fmod(std::fmod(t - t0, kTwoPi) + kTwoPi, kTwoPi) <= sweep)
                at(t);
}

// The counter-clockwise sweep from start to end, in (0, 2 pi] (NaN for angles
// too large to tell, which addEllipseArc takes as the whole ellipse).
double sweepOf(double start, double end) {
    double sweep = std::fmod(end - start, kTwoPi);
    if (sweep <= 0)
        sweep += kTwoPi;
    return sweep;
}

// The box of a box in an object coordinate system at height z.
Box2 toWorld(const Box2& box, const Ocs& ocs, double z = 0) {
    if (box.empty() || ocs.identity)
        return box;
    Box2 out;
    for (double x : {box.minX, box.maxX})
        for (double y : {box.minY, box.maxY})
            out.add(ocs.toWorld(Vec3{x, y, z}));
    return out;
}

// Polyline vertices in their plane, bulge arcs and widths included.
void addPolyVertices(Box2& box, std::span<const PolyVertex> vertices, bool closed) {
    double halfWidth = 0;
    Box2 line;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const auto& v = vertices[i];
        line.add(v.position);
        halfWidth = std::max({halfWidth, std::fabs(v.startWidth) / 2, std::fabs(v.endWidth) / 2});
        const bool last = i + 1 == vertices.size();
        if (v.bulge == 0 || (last && !closed))
            continue;
        const auto& p = v.position;
        const auto& q = vertices[last ? 0 : i + 1].position;
        const double cx = q.x - p.x, cy = q.y - p.y;
        const double chord = std::hypot(cx, cy);
        if (chord == 0)
            continue;
        const double b = v.bulge;
        // The centre lies on the chord's perpendicular bisector.
        const double d = chord * (1 - b * b) / (4 * b);
        const Vec3 center{(p.x + q.x) / 2 - cy / chord * d, (p.y + q.y) / 2 + cx / chord * d, 0};
        const double radius = std::hypot(p.x - center.x, p.y - center.y);
        double from = std::atan2(p.y - center.y, p.x - center.x);
        double to = std::atan2(q.y - center.y, q.x - center.x);
        if (b < 0)
            std::swap(from, to);
        addEllipseArc(line, center, Vec3{radius, 0, 0}, Vec3{0, radius, 0}, from,
                      sweepOf(from, to));
    }
    if (!line.empty() && halfWidth > 0) {
        line.add(line.minX - halfWidth, line.minY - halfWidth);
        line.add(line.maxX + halfWidth, line.maxY + halfWidth);
    }
    box.add(line);
}

// The advance of single-line text, leaving out the file's control codes
// (%%d, %%p, %%c draw one character; %%o, %%u switch lines over and under).
double singleLineAdvance(std::string_view text) {
    double advance = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] != '%' || text[i + 1] != '%')
            continue;
        advance += textAdvance(text.substr(start, i - start));
        const char code = char(text[i + 2] | 0x20);
        if (code != 'o' && code != 'u')
            advance += characterAdvance(U'0');
        start = i + 3;
        i += 2;
    }
    return advance + textAdvance(text.substr(start));
}

// The advance of the longest line and the number of lines of MTEXT content,
// measured after the inline formatting codes are taken out.
void measureMText(std::string_view text, double& longest, std::size_t& lines) {
    longest = 0;
    lines = 1;
    std::string line;
    auto endLine = [&] {
        longest = std::max(longest, textAdvance(line));
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '}')
            continue;
        if (c != '\\' || i + 1 >= text.size()) {
            line += c;
            continue;
        }
        const char code = text[++i];
        if (code == 'P' || code == 'X') {
            endLine();
            ++lines;
        } else if (std::string_view("fFHWQTACpa").find(code) != std::string_view::npos) {
            const auto end = text.find(';', i); // codes with an argument up to ';'
            i = end == std::string_view::npos ? text.size() : end;
        } else if (std::string_view("LlOoKk").find(code) == std::string_view::npos) {
            line += code; // an escaped character such as \\ or \{
        }
    }
    endLine();
}

// A rectangle [x0, x1] x [y0, y1] turned by `rotation` and moved to `origin`.
void addRotatedRect(Box2& box, const Vec3& origin, double rotation, double x0, double x1, double y0,
                    double y1) {
    const double c = std::cos(rotation), s = std::sin(rotation);
    for (double x : {x0, x1})
        for (double y : {y0, y1})
            box.add(origin.x + x * c - y * s, origin.y + x * s + y * c);
}

Box2 textBox(const Drawing& d, const TextData& t) {
    Box2 box;
    const double h = std::fabs(t.height);
    const double width = h * std::fabs(t.widthFactor) * singleLineAdvance(d.text(t.content)) +
                         h * std::fabs(std::tan(std::clamp(t.oblique, -1.4, 1.4)));
    const bool leftBaseline = t.hAlign == TextHAlign::Left && t.vAlign == TextVAlign::Baseline;
    if (t.hAlign == TextHAlign::Aligned || t.hAlign == TextHAlign::Fit) {
        const double dx = t.alignmentPoint.x - t.insertion.x;
        const double dy = t.alignmentPoint.y - t.insertion.y;
        addRotatedRect(box, t.insertion, std::atan2(dy, dx), 0, std::hypot(dx, dy), -kDescent * h,
                       h);
        return box;
    }
    const Vec3& anchor = leftBaseline ? t.insertion : t.alignmentPoint;
    double x0 = 0;
    if (t.hAlign == TextHAlign::Center || t.hAlign == TextHAlign::Middle)
        x0 = -width / 2;
    else if (t.hAlign == TextHAlign::Right)
        x0 = -width;
    double y0 = -kDescent * h;
    if (t.vAlign == TextVAlign::Middle || t.hAlign == TextHAlign::Middle)
        y0 = -h / 2 - kDescent * h;
    else if (t.vAlign == TextVAlign::Top)
        y0 = -h - kDescent * h;
    else if (t.vAlign == TextVAlign::Bottom)
        y0 = -kDescent * h;
    addRotatedRect(box, anchor, t.rotation, x0, x0 + width, y0, y0 + h + kDescent * h);
    return box;
}

Box2 mtextBox(const Drawing& d, const MText& m) {
    double longest = 0;
    std::size_t paragraphs = 1;
    measureMText(d.text(m.content), longest, paragraphs);
    const double h = std::fabs(m.height);
    double width = h * longest;
    double lines = double(paragraphs);
    if (m.rectWidth > 0 && width > m.rectWidth) {
        // Long lines wrap at the box width.
        lines += std::floor(width / m.rectWidth);
        width = m.rectWidth;
    }
    const double spacing = 1.667 * h * (m.lineSpacingFactor > 0 ? m.lineSpacingFactor : 1);
    const double height = h + spacing * (lines - 1) + kDescent * h;
    const int column = (m.attachment - 1) % 3, row = (m.attachment - 1) / 3;
    const double x0 = -width * column / 2.0;
    const double y1 = height * row / 2.0;
    Box2 box;
    addRotatedRect(box, m.insertion, std::atan2(m.direction.y, m.direction.x), x0, x0 + width,
                   y1 - height, y1);
    return box;
}

} // namespace

struct ExtentsCalculator::Visitor {
    ExtentsCalculator& calc;
    const Drawing& d;
    Box2 box;

    Ocs ocs(const EntityProps& p) const { return Ocs::fromNormal(d.extrusion(p)); }
    void inOcs(const EntityProps& p, const Box2& local, double z = 0) {
        box.add(toWorld(local, ocs(p), z));
    }

    void operator()(const Line& e) {
        box.add(e.start);
        box.add(e.end);
    }
    void operator()(const InfiniteLine&) {}
    void operator()(const Viewport&) {}
    void operator()(const Point& e) { box.add(e.position); }
    void operator()(const Circle& e) {
        Box2 local;
        local.add(e.center.x - e.radius, e.center.y - e.radius);
        local.add(e.center.x + e.radius, e.center.y + e.radius);
        inOcs(e.props, local, e.center.z);
    }
    void operator()(const Arc& e) {
        Box2 local;
        addEllipseArc(local, e.center, Vec3{e.radius, 0, 0}, Vec3{0, e.radius, 0}, e.startAngle,
                      sweepOf(e.startAngle, e.endAngle));
        inOcs(e.props, local, e.center.z);
    }
    void operator()(const Ellipse& e) {
        const Vec3 minor = scaled(cross(d.extrusion(e.props), e.majorAxis), e.ratio);
        addEllipseArc(box, e.center, e.majorAxis, minor, e.startParam,
                      sweepOf(e.startParam, e.endParam));
    }
    void operator()(const LwPolyline& e) {
        Box2 local;
        addPolyVertices(local, Drawing::slice(d.polyVertices, e.vertices), e.closed);
        inOcs(e.props, local, e.elevation);
    }
    void operator()(const Polyline& e) {
        const auto vertices = Drawing::slice(d.polyVertices, e.vertices);
        if (e.kind != PolylineKind::Polyline2D) {
            for (const auto& v : vertices)
                box.add(v.position);
            return;
        }
        Box2 local;
        addPolyVertices(local, vertices, e.closed);
        inOcs(e.props, local, vertices.empty() ? 0 : vertices.front().position.z);
    }
    void operator()(const Spline& e) {
        const auto controls = Drawing::slice(d.points3, e.controlPoints);
        const auto curve = sampleSpline(e.degree, Drawing::slice(d.reals, e.knots), controls,
                                        Drawing::slice(d.reals, e.weights), 16);
        for (const auto& p : curve.empty() ? controls : std::span<const Vec3>(curve))
            box.add(p);
        for (const auto& p : Drawing::slice(d.points3, e.fitPoints))
            box.add(p);
    }
    void operator()(const Text& e) { inOcs(e.props, textBox(d, e.text)); }
    void operator()(const Attrib& e) {
        if (!(e.flags & 1))
            inOcs(e.props, textBox(d, e.text));
    }
    void operator()(const AttDef& e) {
        if (!calc.insideBlock_)
            inOcs(e.props, textBox(d, e.text));
    }
    void operator()(const MText& e) { box.add(mtextBox(d, e)); }
    void operator()(const Insert& e) {
        for (const auto& attrib : Drawing::slice(d.store<Attrib>(), e.attribs))
            (*this)(attrib);
        if (e.block == kNoBlock)
            return;
        const Block& block = d.blocks[e.block];
        const Box2 inner = calc.block(e.block);
        if (inner.empty())
            return;
        const double c = std::cos(e.rotation), s = std::sin(e.rotation);
        const Ocs system = ocs(e.props);
        auto place = [&](double x, double y, double dx, double dy) {
            const double px = (x - block.base.x) * e.scale.x + dx;
            const double py = (y - block.base.y) * e.scale.y + dy;
            box.add(system.toWorld(Vec3{e.insertion.x + px * c - py * s,
                                        e.insertion.y + px * s + py * c, e.insertion.z}));
        };
        const double lastColumn = (e.columns - 1) * e.columnSpacing;
        const double lastRow = (e.rows - 1) * e.rowSpacing;
        for (double dx : {0.0, lastColumn})
            for (double dy : {0.0, lastRow})
                for (double x : {inner.minX, inner.maxX})
                    for (double y : {inner.minY, inner.maxY})
                        place(x, y, dx, dy);
    }
    void operator()(const Dimension& e) {
        if (e.block != kNoBlock) {
            box.add(calc.block(e.block));
            return;
        }
        box.add(e.definitionPoint);
        for (const auto& p : e.points)
            box.add(p);
    }
    void operator()(const Leader& e) {
        for (const auto& p : Drawing::slice(d.points3, e.vertices))
            box.add(p);
    }
    void operator()(const Hatch& e) {
        Box2 local;
        for (const auto& path : Drawing::slice(d.hatchPaths, e.paths))
            for (const auto& edge : Drawing::slice(d.hatchEdges, path.edges))
                addEdge(local, edge);
        inOcs(e.props, local, e.elevation);
    }
    void addEdge(Box2& local, const HatchEdge& edge) {
        const Vec3 center{edge.start.x, edge.start.y, 0};
        switch (edge.type) {
        case HatchEdgeType::Line:
            local.add(edge.start);
            local.add(edge.end);
            break;
        case HatchEdgeType::Arc:
            addEllipseArc(local, center, Vec3{edge.radius, 0, 0}, Vec3{0, edge.radius, 0},
                          edge.startAngle, sweepOf(edge.startAngle, edge.endAngle));
            break;
        case HatchEdgeType::Ellipse: {
            const Vec3 major{edge.end.x, edge.end.y, 0};
            const Vec3 minor{-major.y * edge.radius, major.x * edge.radius, 0};
            addEllipseArc(local, center, major, minor, edge.startAngle,
                          sweepOf(edge.startAngle, edge.endAngle));
            break;
        }
        case HatchEdgeType::Spline:
            for (const auto& p : Drawing::slice(d.points2, edge.controlPoints))
                local.add(p);
            for (const auto& p : Drawing::slice(d.points2, edge.fitPoints))
                local.add(p);
            break;
        case HatchEdgeType::Polyline:
            addPolyVertices(local, Drawing::slice(d.polyVertices, edge.vertices), edge.closed);
            break;
        }
    }
    // SOLID and TRACE; a 3DFACE is in world coordinates.
    void operator()(const Quad& e) {
        Box2 local;
        for (const auto& p : e.corners)
            local.add(p);
        inOcs(e.props, local, e.corners[0].z);
    }
    void operator()(const Face3D& e) {
        for (const auto& p : e.corners)
            box.add(p);
    }
    void operator()(const RasterFrame& e) {
        const auto clip = Drawing::slice(d.points2, e.clip);
        if (e.clipping && clip.size() >= 2) {
            if (e.clipType == 1 && clip.size() == 2) {
                for (double x : {clip[0].x, clip[1].x})
                    for (double y : {clip[0].y, clip[1].y})
                        box.add(rasterPixelToWorld(e, Vec2{x, y}));
            } else {
                for (const auto& p : clip)
                    box.add(rasterPixelToWorld(e, p));
            }
            return;
        }
        const Vec3 u = scaled(e.uVector, e.pixelSize.x), v = scaled(e.vVector, e.pixelSize.y);
        box.add(e.insertion);
        box.add(add(e.insertion, u));
        box.add(add(e.insertion, v));
        box.add(add(add(e.insertion, u), v));
    }
    void operator()(const MLine& e) {
        for (const auto& v : Drawing::slice(d.mlineVertices, e.vertices)) {
            box.add(v.position);
            for (double offset : Drawing::slice(d.reals, v.elementOffsets))
                box.add(add(v.position, scaled(v.miter, offset)));
        }
    }
};

ExtentsCalculator::ExtentsCalculator(const Drawing& drawing)
    : drawing_(drawing), blockBoxes_(drawing.blocks.size()),
      blockStates_(drawing.blocks.size(), State::Unknown) {}

Box2 ExtentsCalculator::entity(EntityRef ref) {
    const auto& props = drawing_.props(ref);
    if (props.invisible ||
        (props.layer < drawing_.layers.size() && drawing_.layers[props.layer].frozen))
        return {};
    Visitor visitor{*this, drawing_, {}};
    drawing_.visit(ref, [&visitor](const auto& e) { visitor(e); });
    return finite(visitor.box) ? visitor.box : Box2{};
}

Box2 ExtentsCalculator::entityInBlock(EntityRef ref) {
    const bool outer = insideBlock_;
    insideBlock_ = true;
    const Box2 box = entity(ref);
    insideBlock_ = outer;
    return box;
}

Box2 ExtentsCalculator::block(BlockIndex index) {
    if (index >= blockStates_.size())
        return {};
    if (blockStates_[index] == State::Done)
        return blockBoxes_[index];
    // A block that (through others) holds itself adds nothing the second time;
    // very deep nesting is cut off rather than overrunning the stack.
    if (blockStates_[index] == State::Computing || nesting_ >= kMaxNesting)
        return {};
    blockStates_[index] = State::Computing;
    ++nesting_;
    Box2 box;
    for (const auto& ref : drawing_.entities(drawing_.blocks[index].entities))
        box.add(entityInBlock(ref));
    --nesting_;
    blockBoxes_[index] = box;
    blockStates_[index] = State::Done;
    return box;
}

Box2 ExtentsCalculator::modelSpace() {
    Box2 box;
    for (const auto& ref : drawing_.modelSpaceEntities())
        box.add(entity(ref));
    return box;
}

Box2 modelSpaceExtents(const Drawing& drawing) {
    return ExtentsCalculator(drawing).modelSpace();
}

} // namespace cad
