#include "cad/ModelCheck.h"

namespace cad {

namespace {

class Checker {
public:
    explicit Checker(const Drawing& d) : d_(d) {}

    std::string fault;

    void check(bool ok, const char* what) {
        if (!ok && fault.empty())
            fault = what;
    }
    template <class T> void range(const std::vector<T>& pool, Range r, const char* what) {
        check(std::size_t(r.first) + r.count <= pool.size(), what);
    }
    void block(BlockIndex b, const char* what) {
        check(b == kNoBlock || b < d_.blocks.size(), what);
    }

    void props(const EntityProps& p) {
        check(p.layer < d_.layers.size(), "entity layer");
        check(p.linetype < d_.linetypes.size(), "entity linetype");
        check(p.extrusion < d_.extrusions.size(), "entity extrusion");
    }
    void text(const TextData& t) {
        check(t.style < d_.textStyles.size(), "text style");
        check(t.content < d_.strings.size(), "text content");
    }

    void operator()(const LwPolyline& e) { range(d_.polyVertices, e.vertices, "lwpolyline"); }
    void operator()(const Polyline& e) {
        range(d_.polyVertices, e.vertices, "polyline vertices");
        range(d_.polyfaceFaces, e.faces, "polyface faces");
    }
    void operator()(const Spline& e) {
        range(d_.reals, e.knots, "spline knots");
        range(d_.points3, e.controlPoints, "spline control points");
        range(d_.reals, e.weights, "spline weights");
        range(d_.points3, e.fitPoints, "spline fit points");
    }
    void operator()(const Text& e) { text(e.text); }
    void operator()(const Attrib& e) { text(e.text); }
    void operator()(const AttDef& e) { text(e.text); }
    void operator()(const MText& e) { check(e.style < d_.textStyles.size(), "mtext style"); }
    void operator()(const Insert& e) {
        block(e.block, "insert block");
        range(d_.store<Attrib>(), e.attribs, "insert attributes");
    }
    void operator()(const Dimension& e) {
        block(e.block, "dimension block");
        check(e.dimStyle < d_.dimStyles.size(), "dimension style");
    }
    void operator()(const Leader& e) {
        range(d_.points3, e.vertices, "leader vertices");
        check(e.dimStyle < d_.dimStyles.size(), "leader style");
    }
    void operator()(const Hatch& e) {
        range(d_.hatchPaths, e.paths, "hatch paths");
        range(d_.hatchPatternLines, e.patternLines, "hatch pattern lines");
        for (const auto& path : Drawing::slice(d_.hatchPaths, e.paths)) {
            range(d_.hatchEdges, path.edges, "hatch edges");
            for (const auto& edge : Drawing::slice(d_.hatchEdges, path.edges)) {
                range(d_.polyVertices, edge.vertices, "hatch polyline");
                range(d_.reals, edge.knots, "hatch spline knots");
                range(d_.points2, edge.controlPoints, "hatch spline control points");
                range(d_.reals, edge.weights, "hatch spline weights");
                range(d_.points2, edge.fitPoints, "hatch spline fit points");
            }
        }
        for (const auto& line : Drawing::slice(d_.hatchPatternLines, e.patternLines))
            range(d_.reals, line.dashes, "hatch dashes");
    }
    void operator()(const RasterFrame& e) { range(d_.points2, e.clip, "raster clip"); }
    void operator()(const MLine& e) {
        range(d_.mlineVertices, e.vertices, "mline vertices");
        for (const auto& v : Drawing::slice(d_.mlineVertices, e.vertices))
            range(d_.reals, v.elementOffsets, "mline offsets");
    }
    template <class T> void operator()(const T&) {}

private:
    const Drawing& d_;
};

} // namespace

std::string findModelFault(const Drawing& d) {
    Checker checker(d);
    checker.range(d.entityOrder, d.modelSpace, "model space range");
    for (const auto& b : d.blocks)
        checker.range(d.entityOrder, b.entities, "block range");
    for (const auto& l : d.layers)
        checker.check(l.linetype < d.linetypes.size(), "layer linetype");
    for (const auto& l : d.linetypes)
        checker.range(d.reals, l.dashes, "linetype dashes");
    for (const auto& ref : d.entityOrder) {
        if (std::size_t(ref.type) >= kEntityTypeCount) {
            checker.check(false, "entity type");
            break;
        }
        const bool inStore = ref.index < d.entityCount(ref.type);
        checker.check(inStore, "entity index");
        if (!checker.fault.empty())
            break;
    }
    if (!checker.fault.empty())
        return checker.fault;
    for (const auto& ref : d.entityOrder) {
        d.visit(ref, [&](const auto& e) {
            checker.props(e.props);
            checker(e);
        });
    }
    return checker.fault;
}

} // namespace cad
