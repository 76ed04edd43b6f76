#pragma once
// The entity records of the drawing model. Each entity type has a packed store of
// its own in the Drawing (see Drawing.h); entities refer to layers, linetypes,
// styles and blocks by index, and to their variable-length data (vertices, knots,
// boundary paths, ...) by ranges into shared pools of the Drawing. All angles are
// in radians, all points in the entity's own coordinate system (see
// EntityProps::extrusion) unless a comment says otherwise.

#include "cad/Color.h"
#include "cad/Geometry.h"
#include "cad/StringPool.h"
#include "cad/Tables.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace cad {

// The entity types of the model, in the order of the stores in Drawing.
enum class EntityType : std::uint8_t {
    Line,
    XLine,
    Ray,
    Point,
    Circle,
    Arc,
    Ellipse,
    LwPolyline,
    Polyline,
    Spline,
    Text,
    MText,
    Attrib,
    AttDef,
    Insert,
    Dimension,
    Leader,
    Hatch,
    Solid,
    Trace,
    Face3D,
    Wipeout,
    MLine,
    Viewport,
    Image,
    Helix,
};
inline constexpr std::size_t kEntityTypeCount = std::size_t(EntityType::Helix) + 1;

// The name files use for the type: "LINE", "LWPOLYLINE", "3DFACE", ...
std::string_view entityTypeName(EntityType type);

// Names one entity: its type and its index in that type's store.
struct EntityRef {
    EntityType type = EntityType::Line;
    std::uint32_t index = 0;
    friend bool operator==(EntityRef a, EntityRef b) {
        return a.type == b.type && a.index == b.index;
    }
};

// Index into Drawing::extrusions; 0 is the default normal (0, 0, 1). The
// extrusion is the normal of the entity's plane: it defines the coordinate
// system of the entities that are placed in their own (see Ocs.h), and the side
// from which an ellipse's or hatch's parameters run counter-clockwise.
using ExtrusionIndex = std::uint32_t;
inline constexpr ExtrusionIndex kDefaultExtrusion = 0;

// What every entity has.
struct EntityProps {
    std::uint64_t handle = 0;
    LayerIndex layer = kLayerZero;
    LinetypeIndex linetype = kLinetypeByLayer;
    Color color; // by layer unless the entity says otherwise
    float linetypeScale = 1;
    std::int16_t lineweight = kLineweightByLayer;
    bool invisible = false;
    ExtrusionIndex extrusion = kDefaultExtrusion;
};

struct Line {
    EntityProps props;
    Vec3 start;
    Vec3 end;
};

// An infinite line through `base` (XLine) or a half line starting there (Ray), in
// world coordinates.
struct InfiniteLine {
    EntityProps props;
    Vec3 base;
    Vec3 direction{1, 0, 0};
};
struct XLine : InfiniteLine {};
struct Ray : InfiniteLine {};

struct Point {
    EntityProps props;
    Vec3 position; // world coordinates
    double xAxisAngle = 0;
};

struct Circle {
    EntityProps props;
    Vec3 center;
    double radius = 0;
};

// Counter-clockwise from startAngle to endAngle.
struct Arc {
    EntityProps props;
    Vec3 center;
    double radius = 0;
    double startAngle = 0;
    double endAngle = 0;
};

// Centre and major axis in world coordinates; the minor axis is ratio times the
// major axis turned a quarter counter-clockwise about the extrusion; the
// parameters run from startParam to endParam (0 and 2 pi for a full ellipse).
struct Ellipse {
    EntityProps props;
    Vec3 center;
    Vec3 majorAxis{1, 0, 0}; // from the centre to the end of the major axis
    double ratio = 1;        // minor / major
    double startParam = 0;
    double endParam = 6.283185307179586;
};

// One vertex of a polyline. The bulge is the tangent of a quarter of the included
// angle of the arc to the next vertex (0 straight, negative clockwise).
struct PolyVertex {
    Vec3 position;
    double startWidth = 0;
    double endWidth = 0;
    double bulge = 0;
};

// Vertices: Drawing::polyVertices[vertices], z taken from elevation.
struct LwPolyline {
    EntityProps props;
    Range vertices;
    double elevation = 0;
    double constantWidth = 0;
    bool closed = false;
};

enum class PolylineKind : std::uint8_t { Polyline2D, Polyline3D, PolyfaceMesh, PolygonMesh };

// A heavy polyline with its vertices (Drawing::polyVertices[vertices]). 2D
// polylines are in their own coordinate system, 3D polylines and meshes in world
// coordinates. A polygon mesh has meshM x meshN vertices, row by row. A polyface
// mesh has Drawing::polyfaceFaces[faces]: 1-based vertex numbers, negative where
// the edge that starts at the vertex is invisible, 0 for an unused corner.
// Curve-fitted polylines keep their fitted vertices, not their frame.
struct Polyline {
    EntityProps props;
    PolylineKind kind = PolylineKind::Polyline2D;
    bool closed = false;  // closed in M
    bool closedN = false; // polygon meshes: closed in N
    std::uint16_t meshM = 0;
    std::uint16_t meshN = 0;
    double defaultStartWidth = 0;
    double defaultEndWidth = 0;
    Range vertices;
    Range faces;
};

// A B-spline in world coordinates. Knots: Drawing::reals[knots]; control points:
// Drawing::points3[controlPoints]; weights: Drawing::reals[weights] (empty when
// all are 1); fit points: Drawing::points3[fitPoints]. A spline may have only fit
// points.
struct Spline {
    EntityProps props;
    std::uint8_t degree = 3;
    bool closed = false;
    bool periodic = false;
    bool rational = false;
    Range knots;
    Range controlPoints;
    Range weights;
    Range fitPoints;
    Vec3 startTangent; // zero when not given
    Vec3 endTangent;
};

// A helix, kept as the spline that approximates it.
struct Helix : Spline {};

// Alignment of single-line text.
enum class TextHAlign : std::uint8_t { Left, Center, Right, Aligned, Middle, Fit };
enum class TextVAlign : std::uint8_t { Baseline, Bottom, Middle, Top };

// What single-line texts and attributes share. `content` is UTF-8 with the
// file's control codes (%%d, %%p, %%c, %%u, ...) left in place.
struct TextData {
    Vec3 insertion;
    Vec3 alignmentPoint; // used unless the alignment is left/baseline
    double height = 0;
    double rotation = 0;
    double widthFactor = 1;
    double oblique = 0;
    TextStyleIndex style = kTextStyleStandard;
    StringId content = kEmptyString;
    TextHAlign hAlign = TextHAlign::Left;
    TextVAlign vAlign = TextVAlign::Baseline;
    bool backward = false;
    bool upsideDown = false;
};

struct Text {
    EntityProps props;
    TextData text;
};

// An attribute of an INSERT (Drawing::attribs[Insert::attribs]) or, rarely, on its
// own in a block.
struct Attrib {
    EntityProps props;
    TextData text;
    StringId tag = kEmptyString;
    std::uint16_t flags = 0; // 1 invisible, 2 constant, 4 verify, 8 preset
};

// An attribute definition in a block.
struct AttDef {
    EntityProps props;
    TextData text;
    StringId tag = kEmptyString;
    StringId prompt = kEmptyString;
    std::uint16_t flags = 0;
};

// Multi-line text. `content` is UTF-8 with the inline formatting codes left in
// place. The direction is in world coordinates.
struct MText {
    EntityProps props;
    Vec3 insertion;
    Vec3 direction{1, 0, 0};
    double height = 0;
    double rectWidth = 0; // 0: no wrapping
    double lineSpacingFactor = 1;
    TextStyleIndex style = kTextStyleStandard;
    StringId content = kEmptyString;
    std::uint8_t attachment = 1; // 1 top left ... 9 bottom right
    std::uint8_t drawingDirection = 1;
};

// A block reference; with more than one row or column, an array of them.
// Attributes: Drawing::attribs[attribs].
struct Insert {
    EntityProps props;
    StringId blockName = kEmptyString;
    BlockIndex block = kNoBlock;
    Vec3 insertion;
    Vec3 scale{1, 1, 1};
    double rotation = 0;
    std::uint16_t columns = 1;
    std::uint16_t rows = 1;
    double columnSpacing = 0;
    double rowSpacing = 0;
    Range attribs;
};

// A dimension, drawn through its anonymous block; points in world coordinates
// except textMidpoint (entity coordinates).
struct Dimension {
    EntityProps props;
    StringId blockName = kEmptyString;
    BlockIndex block = kNoBlock;
    DimStyleIndex dimStyle = 0;
    std::uint8_t dimType = 0;     // low bits: 0 linear, 1 aligned, 2 angular, 3 diameter, ...
    Vec3 definitionPoint;         // group 10
    Vec3 textMidpoint;            // group 11
    std::array<Vec3, 4> points{}; // groups 13, 14, 15, 16
    StringId text = kEmptyString; // "" the measurement, "<>" stands for it
    double measurement = 0;
};

// Vertices: Drawing::points3[vertices], world coordinates.
struct Leader {
    EntityProps props;
    Range vertices;
    DimStyleIndex dimStyle = 0;
    bool arrowHead = true;
    bool splinePath = false;
};

enum class HatchEdgeType : std::uint8_t { Line, Arc, Ellipse, Spline, Polyline };

// One edge of a hatch boundary path, in the hatch's coordinate system.
//  Line:     start - end.
//  Arc:      centre `start`, `radius`, startAngle..endAngle.
//  Ellipse:  centre `start`, major axis end `end` (relative), `radius` the minor
//            to major ratio, startAngle..endAngle parameters.
//  Arc and ellipse angles run counter-clockwise; with counterClockwise false the
//  file's angles were given clockwise and are stored mirrored (2 pi - a) so that
//  the same rule holds.
//  Spline:   degree, knots (reals), control points (points2), weights (reals,
//            empty when all 1), fit points (points2).
//  Polyline: a whole polyline path: Drawing::polyVertices[vertices], `closed`.
struct HatchEdge {
    HatchEdgeType type = HatchEdgeType::Line;
    bool counterClockwise = true;
    bool closed = false;
    bool rational = false;
    bool periodic = false;
    std::uint8_t degree = 3;
    Vec2 start;
    Vec2 end;
    double radius = 0;
    double startAngle = 0;
    double endAngle = 0;
    Range vertices;
    Range knots;
    Range controlPoints;
    Range weights;
    Range fitPoints;
};

// A boundary path: Drawing::hatchEdges[edges]. Flags as files give them:
// 1 external, 2 polyline, 4 derived, 8 text box, 16 outermost.
struct HatchPath {
    std::uint32_t flags = 0;
    Range edges;
};

// One family of parallel pattern lines through `base`, repeated by `offset`, with
// dashes Drawing::reals[dashes] (as in Linetype).
struct HatchPatternLine {
    double angle = 0;
    Vec2 base;
    Vec2 offset;
    Range dashes;
};

// Paths: Drawing::hatchPaths[paths]; pattern lines: Drawing::hatchPatternLines.
struct Hatch {
    EntityProps props;
    StringId patternName = kEmptyString;
    bool solid = false;
    std::uint8_t style = 0; // 0 odd parity, 1 outermost, 2 ignore
    double elevation = 0;
    double patternAngle = 0;
    double patternScale = 1;
    Range paths;
    Range patternLines;
};

// Four corners as files store them; a triangle repeats its third corner. For a
// SOLID and a TRACE the corners are in the order 1, 2, 4, 3 around the outline.
struct Quad {
    EntityProps props;
    std::array<Vec3, 4> corners{};
    std::uint8_t invisibleEdges = 0; // 3DFACE: bit i hides edge i
};
struct Solid : Quad {};
struct Trace : Quad {};
struct Face3D : Quad {};

// The frame of a raster image or a wipeout in world coordinates: the image spans
// insertion + u * uVector + v * vVector for u in [0, pixelSize.x], v in [0,
// pixelSize.y]. With clipping on, the clip boundary (Drawing::points2[clip]: two
// opposite corners for clipType 1, a polygon for clipType 2) replaces the frame;
// its points are pixel coordinates as files give them: from the centre of the
// top-left pixel, y downwards (see rasterPixelToWorld).
struct RasterFrame {
    EntityProps props;
    Vec3 insertion;
    Vec3 uVector{1, 0, 0};
    Vec3 vVector{0, 1, 0};
    Vec2 pixelSize{1, 1};
    bool clipping = false;
    std::uint8_t clipType = 1; // 1 rectangle (two corners), 2 polygon
    Range clip;
    std::uint64_t imageDefHandle = 0;
};
struct Wipeout : RasterFrame {};

// The world position of a clip-boundary point of a raster frame.
inline Vec3 rasterPixelToWorld(const RasterFrame& frame, const Vec2& pixel) {
    const double u = pixel.x + 0.5, v = frame.pixelSize.y - (pixel.y + 0.5);
    return {frame.insertion.x + u * frame.uVector.x + v * frame.vVector.x,
            frame.insertion.y + u * frame.uVector.y + v * frame.vVector.y,
            frame.insertion.z + u * frame.uVector.z + v * frame.vVector.z};
}
struct Image : RasterFrame {};

// One vertex of a multiline: position, segment direction, miter direction, and
// the offset of each element along the miter (Drawing::reals[elementOffsets]).
struct MLineVertex {
    Vec3 position;
    Vec3 direction;
    Vec3 miter;
    Range elementOffsets;
};

// Vertices: Drawing::mlineVertices[vertices], world coordinates.
struct MLine {
    EntityProps props;
    StringId styleName = kEmptyString;
    double scale = 1;
    std::uint8_t justification = 0;
    std::uint8_t elementCount = 0;
    bool closed = false;
    Range vertices;
};

// A paper-space viewport onto model space.
struct Viewport {
    EntityProps props;
    Vec3 center;
    double width = 0;
    double height = 0;
    Vec2 viewCenter;
    double viewHeight = 0;
    std::uint16_t id = 0;
};

} // namespace cad
