#pragma once
// The front end: walks model space (and the blocks it references) and records
// each visible entity as graphic primitives, with colours, layers and linetypes
// resolved. Its output serves every back end.

#include "cad/Drawing.h"
#include "cad/render/Affine2.h"
#include "cad/render/Emitter.h"
#include "cad/render/FontCatalog.h"
#include "cad/render/Recording.h"

#include <vector>

namespace cad::render {

struct FrontEndLimits {
    int maxBlockDepth = 24;
    std::size_t maxPoints = std::size_t(16) << 20;
    std::size_t maxEntityVisits = std::size_t(32) << 20;
};

class FrontEnd {
public:
    FrontEnd(const Drawing& drawing, Recording& recording, FontCatalog& fonts,
             FrontEndLimits limits = {});

    // Records model space. Call once.
    void drawModelSpace();
    // True when a limit cut the recording short.
    bool truncated() const { return emitter_.truncated() || visitsExhausted_; }

private:
    // What entities inside a block reference inherit from it.
    struct Context {
        Affine2 toWorld;
        bool inBlock = false;
        LayerIndex blockLayer = kLayerZero; // for entities on layer "0"
        Ink blockInk = Ink::foreground();   // for colour by block
        LinetypeIndex blockLinetype = kLinetypeContinuous;
        int depth = 0;
    };

    // Style
    LayerIndex effectiveLayer(const EntityProps& props, const Context& ctx) const;
    bool shown(const EntityProps& props, const Context& ctx) const;
    bool hiddenReference(const EntityProps& props, const Context& ctx) const;
    Ink inkFor(Color color, LayerIndex layer, const Context& ctx) const;
    LinetypeIndex effectiveLinetype(const EntityProps& props, LayerIndex layer,
                                    const Context& ctx) const;
    Pen penFor(const EntityProps& props, const Context& ctx) const;
    Context blockContext(const EntityProps& props, const Context& ctx,
                         const Affine2& toWorld) const;
    // The OCS-to-world map of an entity at that OCS height, within the context.
    Affine2 entityFrame(const EntityProps& props, const Context& ctx, double elevation) const;
    Vec3 normal(const EntityProps& props) const;

    void draw(EntityRef ref, const Context& ctx);
    void drawBlock(BlockIndex block, const Context& ctx);

    // Curves (FrontEndCurves.cpp)
    void drawEntity(const Line& e, const Context& ctx);
    void drawEntity(const XLine& e, const Context& ctx);
    void drawEntity(const Ray& e, const Context& ctx);
    void drawEntity(const Point& e, const Context& ctx);
    void drawEntity(const Circle& e, const Context& ctx);
    void drawEntity(const Arc& e, const Context& ctx);
    void drawEntity(const Ellipse& e, const Context& ctx);
    void drawEntity(const LwPolyline& e, const Context& ctx);
    void drawEntity(const Polyline& e, const Context& ctx);
    void drawEntity(const Spline& e, const Context& ctx);
    void drawEntity(const Leader& e, const Context& ctx);
    void drawEntity(const MLine& e, const Context& ctx);
    void drawPolylineVertices(std::span<const PolyVertex> vertices, bool closed,
                              const Affine2& frame, const Pen& pen, double constantWidth);
    void drawPolyfaceMesh(const Polyline& e, const Affine2& frame, const Pen& pen);
    void drawPolygonMesh(const Polyline& e, const Affine2& frame, const Pen& pen);
    void drawInfiniteLine(const InfiniteLine& e, bool ray, const Context& ctx);

    // Areas (FrontEndAreas.cpp)
    void drawEntity(const Hatch& e, const Context& ctx);
    void drawEntity(const Solid& e, const Context& ctx);
    void drawEntity(const Trace& e, const Context& ctx);
    void drawEntity(const Face3D& e, const Context& ctx);
    void drawEntity(const Wipeout& e, const Context& ctx);
    void drawEntity(const Image& e, const Context& ctx);
    void drawEntity(const Viewport& e, const Context& ctx);
    void drawFilledQuad(const Quad& e, const Context& ctx);

    // Texts (FrontEndText.cpp)
    void drawEntity(const Text& e, const Context& ctx);
    void drawEntity(const Attrib& e, const Context& ctx);
    void drawEntity(const AttDef& e, const Context& ctx);
    void drawEntity(const MText& e, const Context& ctx);
    void drawTextData(const TextData& data, std::string_view content, const EntityProps& props,
                      const Context& ctx);
    void emitTextRun(const QString& text, std::uint16_t font, const Affine2& toWorld,
                     double advance, const Pen& pen);
    std::uint16_t styleFont(TextStyleIndex style);
    double styleHeight(TextStyleIndex style, double height) const;

    // Blocks (FrontEndBlocks.cpp)
    void drawEntity(const Insert& e, const Context& ctx);
    void drawEntity(const Dimension& e, const Context& ctx);

    const Drawing& drawing_;
    FontCatalog& fonts_;
    FrontEndLimits limits_;
    Emitter emitter_;
    std::uint32_t source_ = 0;
    std::size_t visits_ = 0;
    bool visitsExhausted_ = false;
    std::vector<int> styleFonts_; // FontCatalog id per text style, -1 until needed
};

} // namespace cad::render
