#include "cad/Drawing.h"

#include "cad/Names.h"

namespace cad {

std::string_view entityTypeName(EntityType type) {
    static constexpr std::string_view names[] = {
        "LINE",       "XLINE",     "RAY",      "POINT", "CIRCLE", "ARC",    "ELLIPSE",
        "LWPOLYLINE", "POLYLINE",  "SPLINE",   "TEXT",  "MTEXT",  "ATTRIB", "ATTDEF",
        "INSERT",     "DIMENSION", "LEADER",   "HATCH", "SOLID",  "TRACE",  "3DFACE",
        "WIPEOUT",    "MLINE",     "VIEWPORT", "IMAGE", "HELIX"};
    static_assert(std::size(names) == kEntityTypeCount);
    return names[std::size_t(type)];
}

Drawing::Drawing() {
    extrusions.push_back(Vec3{0, 0, 1});
    Layer zero;
    zero.name = strings.intern("0");
    layers.push_back(zero);
    for (const char* name : {"ByLayer", "ByBlock", "Continuous"}) {
        Linetype linetype;
        linetype.name = strings.intern(name);
        linetypes.push_back(linetype);
    }
    TextStyle standard;
    standard.name = strings.intern("Standard");
    standard.fontFile = strings.intern("txt");
    textStyles.push_back(standard);
    DimStyle dimStandard;
    dimStandard.name = standard.name;
    dimStyles.push_back(dimStandard);
}

std::size_t Drawing::entityCount() const {
    return std::apply([](const auto&... s) { return (s.size() + ...); }, stores_);
}

std::size_t Drawing::entityCount(EntityType type) const {
    const auto sizes = std::apply(
        [](const auto&... s) { return std::array<std::size_t, kEntityTypeCount>{s.size()...}; },
        stores_);
    return std::size_t(type) < sizes.size() ? sizes[std::size_t(type)] : 0;
}

BlockIndex Drawing::findBlock(std::string_view name) const {
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (sameName(text(blocks[i].name), name))
            return BlockIndex(i);
    return kNoBlock;
}

LayerIndex Drawing::findLayer(std::string_view name) const {
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (sameName(text(layers[i].name), name))
            return LayerIndex(i);
    return kLayerZero;
}

} // namespace cad
