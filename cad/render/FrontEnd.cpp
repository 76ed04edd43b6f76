#include "cad/render/FrontEnd.h"

#include "cad/render/AciPalette.h"
#include "cad/render/OcsFrame.h"

#include <type_traits>

namespace cad::render {

FrontEnd::FrontEnd(const Drawing& drawing, Recording& recording, FontCatalog& fonts,
                   FrontEndLimits limits)
    : drawing_(drawing), fonts_(fonts), limits_(limits), emitter_(recording, limits.maxPoints),
      styleFonts_(drawing.textStyles.size(), -1) {}

void FrontEnd::drawModelSpace() {
    const Context top;
    const auto entities = drawing_.modelSpaceEntities();
    // Most entities make one primitive of a few points.
    emitter_.reserve(entities.size(), entities.size() * 4);
    for (std::size_t i = 0; i < entities.size() && !truncated(); ++i) {
        source_ = std::uint32_t(i);
        draw(entities[i], top);
    }
}

void FrontEnd::draw(EntityRef ref, const Context& ctx) {
    if (++visits_ > limits_.maxEntityVisits) {
        visitsExhausted_ = true;
        return;
    }
    drawing_.visit(ref, [&](const auto& entity) {
        // A reference on a layer that is off still shows what its block has on
        // other layers; on a frozen layer it shows nothing.
        using T = std::decay_t<decltype(entity)>;
        constexpr bool reference = std::is_same_v<T, Insert> || std::is_same_v<T, Dimension>;
        if (reference ? !hiddenReference(entity.props, ctx) : shown(entity.props, ctx))
            drawEntity(entity, ctx);
    });
}

void FrontEnd::drawBlock(BlockIndex block, const Context& ctx) {
    if (block >= drawing_.blocks.size() || ctx.depth > limits_.maxBlockDepth)
        return;
    for (const EntityRef ref : drawing_.entities(drawing_.blocks[block].entities)) {
        if (truncated())
            return;
        draw(ref, ctx);
    }
}

LayerIndex FrontEnd::effectiveLayer(const EntityProps& props, const Context& ctx) const {
    if (props.layer >= drawing_.layers.size())
        return kLayerZero;
    if (props.layer == kLayerZero && ctx.inBlock)
        return ctx.blockLayer;
    return props.layer;
}

bool FrontEnd::shown(const EntityProps& props, const Context& ctx) const {
    if (props.invisible)
        return false;
    const Layer& layer = drawing_.layers[effectiveLayer(props, ctx)];
    return layer.on && !layer.frozen;
}

bool FrontEnd::hiddenReference(const EntityProps& props, const Context& ctx) const {
    return props.invisible || drawing_.layers[effectiveLayer(props, ctx)].frozen;
}

Ink FrontEnd::inkFor(Color color, LayerIndex layer, const Context& ctx) const {
    if (color.isByLayer())
        color = drawing_.layers[layer].color;
    switch (color.kind()) {
    case Color::Kind::ByBlock:
        return ctx.blockInk;
    case Color::Kind::Rgb:
        return Ink::rgb(color.rgb());
    case Color::Kind::Index:
        if (color.index() != 7 && color.index() != 0)
            return Ink::rgb(aciToRgb(color.index()));
        return Ink::foreground();
    default:
        return Ink::foreground(); // a layer coloured "by layer": treat as the default colour
    }
}

LinetypeIndex FrontEnd::effectiveLinetype(const EntityProps& props, LayerIndex layer,
                                          const Context& ctx) const {
    LinetypeIndex linetype = props.linetype;
    if (linetype == kLinetypeByLayer)
        linetype = drawing_.layers[layer].linetype;
    if (linetype == kLinetypeByBlock)
        linetype = ctx.blockLinetype;
    if (linetype >= drawing_.linetypes.size() || linetype <= kLinetypeByBlock)
        return kLinetypeContinuous;
    return linetype;
}

Pen FrontEnd::penFor(const EntityProps& props, const Context& ctx) const {
    const LayerIndex layer = effectiveLayer(props, ctx);
    Pen pen;
    pen.ink = inkFor(props.color, layer, ctx);
    pen.source = source_;
    const LinetypeIndex linetype = effectiveLinetype(props, layer, ctx);
    if (linetype != kLinetypeContinuous) {
        const Linetype& lt = drawing_.linetypes[linetype];
        const double scale =
            drawing_.header.ltScale * props.linetypeScale * ctx.toWorld.lengthScale();
        pen.dashes = DashPattern(Drawing::slice(drawing_.reals, lt.dashes), scale);
    }
    return pen;
}

FrontEnd::Context FrontEnd::blockContext(const EntityProps& props, const Context& ctx,
                                         const Affine2& toWorld) const {
    Context inner;
    inner.toWorld = toWorld;
    inner.inBlock = true;
    inner.blockLayer = effectiveLayer(props, ctx);
    inner.blockInk = inkFor(props.color, inner.blockLayer, ctx);
    inner.blockLinetype = effectiveLinetype(props, inner.blockLayer, ctx);
    inner.depth = ctx.depth + 1;
    return inner;
}

Affine2 FrontEnd::entityFrame(const EntityProps& props, const Context& ctx,
                              double elevation) const {
    return ctx.toWorld * ocsToWorld(normal(props), elevation);
}

Vec3 FrontEnd::normal(const EntityProps& props) const {
    return props.extrusion < drawing_.extrusions.size() ? drawing_.extrusion(props) : Vec3{0, 0, 1};
}

void FrontEnd::drawEntity(const Viewport&, const Context&) {
    // Viewports belong to paper space layouts; model space is drawn as a whole.
}

} // namespace cad::render
