// Reader of the DXF HATCH entity. Its boundary paths and pattern lines reuse
// group codes with meanings that depend on their place, so they are read in file
// order, driven by the counts the file gives; a group out of place ends the part
// being read, keeping what was read so far.

#include "cad/DxfEntities.h"

#include "cad/DxfEntityCommon.h"
#include "cad/PoolGrowth.h"

#include <numbers>
#include <optional>

namespace cad {

namespace {

class HatchReader {
public:
    HatchReader(DxfReaderContext& c, Hatch& hatch) : c_(c), d_(c.drawing()), hatch_(hatch) {}

    void readPaths(std::int64_t count) {
        for (std::int64_t i = 0; i < count && c_.take(92); ++i) {
            HatchPath path;
            path.flags = std::uint32_t(c_.integer());
            const bool complete = (path.flags & 2) ? readPolylinePath(path) : readEdgePath(path);
            skipSourceObjects();
            appendToRange(d_.hatchPaths, hatch_.paths, path);
            if (!complete)
                return;
        }
    }

    void readPatternLines(std::int64_t count) {
        for (std::int64_t i = 0; i < count && c_.take(53); ++i) {
            HatchPatternLine line;
            line.angle = c_.angle();
            if (!(realOf(43, line.base.x) && realOf(44, line.base.y) && realOf(45, line.offset.x) &&
                  realOf(46, line.offset.y)))
                return;
            appendToRange(d_.hatchPatternLines, hatch_.patternLines, line);
            auto& stored = d_.hatchPatternLines.back();
            std::int64_t dashes = 0;
            if (!integerOf(79, dashes))
                return;
            double dash = 0;
            for (std::int64_t k = 0; k < dashes && realOf(49, dash); ++k)
                appendToRange(d_.reals, stored.dashes, dash);
        }
    }

private:
    bool realOf(int code, double& value) {
        if (!c_.take(code))
            return false;
        value = c_.real();
        return true;
    }
    bool integerOf(int code, std::int64_t& value) {
        if (!c_.take(code))
            return false;
        value = c_.integer();
        return true;
    }
    bool pointOf(int code, Vec2& p) { return realOf(code, p.x) && realOf(code + 10, p.y); }
    bool angleOf(int code, double& value) {
        if (!realOf(code, value))
            return false;
        value = degrees(value);
        return true;
    }

    bool readPolylinePath(HatchPath& path) {
        std::int64_t hasBulge = 0, closed = 0, count = 0;
        if (!(integerOf(72, hasBulge) && integerOf(73, closed) && integerOf(93, count)))
            return false;
        HatchEdge edge;
        edge.type = HatchEdgeType::Polyline;
        edge.closed = closed != 0;
        for (std::int64_t i = 0; i < count; ++i) {
            PolyVertex vertex;
            Vec2 p;
            if (!pointOf(10, p))
                return false;
            vertex.position = Vec3{p.x, p.y, 0};
            if (hasBulge && !realOf(42, vertex.bulge))
                return false;
            appendToRange(d_.polyVertices, edge.vertices, vertex);
        }
        appendToRange(d_.hatchEdges, path.edges, edge);
        return true;
    }

    bool readEdgePath(HatchPath& path) {
        std::int64_t count = 0;
        if (!integerOf(93, count))
            return false;
        for (std::int64_t i = 0; i < count; ++i) {
            std::int64_t type = 0;
            if (!integerOf(72, type))
                return false;
            HatchEdge edge;
            bool complete = false;
            switch (type) {
            case 1:
                edge.type = HatchEdgeType::Line;
                complete = pointOf(10, edge.start) && pointOf(11, edge.end);
                break;
            case 2:
                edge.type = HatchEdgeType::Arc;
                complete = pointOf(10, edge.start) && realOf(40, edge.radius) && readSweep(edge);
                break;
            case 3:
                edge.type = HatchEdgeType::Ellipse;
                complete = pointOf(10, edge.start) && pointOf(11, edge.end) &&
                           realOf(40, edge.radius) && readSweep(edge);
                break;
            case 4:
                edge.type = HatchEdgeType::Spline;
                complete = readSplineEdge(edge);
                break;
            default:
                return false;
            }
            if (!complete)
                return false;
            appendToRange(d_.hatchEdges, path.edges, edge);
        }
        return true;
    }

    // Start and end angle and the direction flag of an arc or ellipse edge.
    bool readSweep(HatchEdge& edge) {
        std::int64_t ccw = 1;
        if (!(angleOf(50, edge.startAngle) && angleOf(51, edge.endAngle) && integerOf(73, ccw)))
            return false;
        edge.counterClockwise = ccw != 0;
        if (!edge.counterClockwise) {
            // Clockwise sweeps are stored mirrored so that all run counter-clockwise.
            constexpr double kFull = 2 * std::numbers::pi;
            const double start = kFull - edge.endAngle;
            edge.endAngle = kFull - edge.startAngle;
            edge.startAngle = start;
        }
        return true;
    }

    bool readSplineEdge(HatchEdge& edge) {
        std::int64_t degree = 3, rational = 0, periodic = 0, knots = 0, controls = 0;
        if (!(integerOf(94, degree) && integerOf(73, rational) && integerOf(74, periodic) &&
              integerOf(95, knots) && integerOf(96, controls)))
            return false;
        edge.degree = std::uint8_t(degree < 1 ? 1 : (degree > 25 ? 25 : degree));
        edge.rational = rational != 0;
        edge.periodic = periodic != 0;
        double value = 0;
        for (std::int64_t i = 0; i < knots; ++i) {
            if (!realOf(40, value))
                return false;
            appendToRange(d_.reals, edge.knots, value);
        }
        // Weights follow each control point, so they are collected apart and
        // stored after the points.
        std::vector<double> weights;
        for (std::int64_t i = 0; i < controls; ++i) {
            Vec2 p;
            if (!pointOf(10, p))
                return false;
            appendToRange(d_.points2, edge.controlPoints, p);
            if (c_.take(42))
                weights.push_back(c_.real());
        }
        for (double w : weights)
            appendToRange(d_.reals, edge.weights, w);
        readFitData(edge);
        return true;
    }

    // Fit points and end tangents, written by newer releases after the control
    // points. Their count shares group 97 with the path's source objects that
    // follow, so it is taken only when fit data comes after it.
    void readFitData(HatchEdge& edge) {
        if (!c_.take(97))
            return;
        const DxfGroup countGroup = c_.group;
        const std::int64_t count = c_.integer();
        if (!c_.nextInObject()) {
            c_.tokens.pushBack();
            return;
        }
        const int following = c_.group.code;
        c_.tokens.pushBack();
        if (following != 11 && following != 12 && !(count == 0 && following == 97)) {
            pendingSourceCount_ = countGroup;
            return;
        }
        for (std::int64_t i = 0; i < count; ++i) {
            Vec2 p;
            if (!pointOf(11, p))
                return;
            appendToRange(d_.points2, edge.fitPoints, p);
        }
        Vec2 tangent;
        if (pointOf(12, tangent))
            pointOf(13, tangent);
    }

    // The handles of the objects a path was made from (group 97 and its 330s).
    void skipSourceObjects() {
        if (!pendingSourceCount_ && !c_.take(97))
            return;
        pendingSourceCount_.reset();
        while (c_.take(330)) {
        }
    }

    DxfReaderContext& c_;
    Drawing& d_;
    Hatch& hatch_;
    std::optional<DxfGroup> pendingSourceCount_;
};

} // namespace

void readHatch(DxfReaderContext& c) {
    EntityCommon common;
    Hatch hatch;
    HatchReader reader(c, hatch);
    Vec3 elevation;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, elevation))
            return;
        switch (c.group.code) {
        case 2:
            hatch.patternName = c.internText();
            break;
        case 70:
            hatch.solid = c.flag();
            break;
        case 75:
            hatch.style = std::uint8_t(c.integer(0, 2));
            break;
        case 52:
            hatch.patternAngle = c.angle();
            break;
        case 41:
            hatch.patternScale = c.real();
            break;
        case 91:
            if (hatch.paths.count == 0)
                reader.readPaths(c.integer());
            break;
        case 78:
            if (hatch.patternLines.count == 0)
                reader.readPatternLines(c.integer());
            break;
        default:
            break;
        }
    });
    hatch.elevation = elevation.z;
    addEntity(c, hatch, common, Coordinates::Object);
}

} // namespace cad
