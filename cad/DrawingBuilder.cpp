#include "cad/DrawingBuilder.h"

#include "cad/Names.h"

#include <cmath>

namespace cad {

DrawingBuilder::DrawingBuilder(Drawing& drawing) : drawing_(drawing) {
    auto index = [this](auto& table, auto& ids) {
        for (std::size_t i = 0; i < table.size(); ++i)
            ids.emplace(upperName(drawing_.text(table[i].name)), std::uint32_t(i));
    };
    index(drawing_.layers, layerIds_);
    index(drawing_.linetypes, linetypeIds_);
    index(drawing_.textStyles, styleIds_);
    index(drawing_.dimStyles, dimStyleIds_);
    index(drawing_.blocks, blockIds_);
    lastLayerName_ = "0";
}

template <class T>
std::uint32_t DrawingBuilder::define(std::vector<T>& table,
                                     std::unordered_map<std::string, std::uint32_t>& ids,
                                     std::string_view name, const T& entry) {
    T named = entry;
    named.name = intern(name);
    auto [it, added] = ids.emplace(upperName(name), std::uint32_t(table.size()));
    if (added)
        table.push_back(named);
    else
        table[it->second] = named;
    return it->second;
}

template <class T>
std::uint32_t DrawingBuilder::lookup(std::vector<T>& table,
                                     std::unordered_map<std::string, std::uint32_t>& ids,
                                     std::string_view name) {
    if (auto it = ids.find(upperName(name)); it != ids.end())
        return it->second;
    return define(table, ids, name, T{});
}

LayerIndex DrawingBuilder::defineLayer(std::string_view name, const Layer& layer) {
    // A new entry may change which index the cached name stands for.
    lastLayerName_ = "0";
    lastLayer_ = kLayerZero;
    return define(drawing_.layers, layerIds_, name, layer);
}

LinetypeIndex DrawingBuilder::defineLinetype(std::string_view name, const Linetype& linetype) {
    // The three built-in linetypes keep their places and have no pattern.
    if (auto it = linetypeIds_.find(upperName(name));
        it != linetypeIds_.end() && it->second <= kLinetypeContinuous)
        return it->second;
    return define(drawing_.linetypes, linetypeIds_, name, linetype);
}

TextStyleIndex DrawingBuilder::defineTextStyle(std::string_view name, const TextStyle& style) {
    return define(drawing_.textStyles, styleIds_, name, style);
}

DimStyleIndex DrawingBuilder::defineDimStyle(std::string_view name, const DimStyle& style) {
    return define(drawing_.dimStyles, dimStyleIds_, name, style);
}

LayerIndex DrawingBuilder::layer(std::string_view name) {
    if (name == lastLayerName_)
        return lastLayer_;
    lastLayer_ = name.empty() ? kLayerZero : lookup(drawing_.layers, layerIds_, name);
    lastLayerName_ = name;
    return lastLayer_;
}

LinetypeIndex DrawingBuilder::linetype(std::string_view name) {
    if (name.empty())
        return kLinetypeByLayer;
    return lookup(drawing_.linetypes, linetypeIds_, name);
}

TextStyleIndex DrawingBuilder::textStyle(std::string_view name) {
    return name.empty() ? kTextStyleStandard : lookup(drawing_.textStyles, styleIds_, name);
}

DimStyleIndex DrawingBuilder::dimStyle(std::string_view name) {
    return name.empty() ? 0 : lookup(drawing_.dimStyles, dimStyleIds_, name);
}

ExtrusionIndex DrawingBuilder::extrusion(const Vec3& given) {
    const double length = std::sqrt(given.x * given.x + given.y * given.y + given.z * given.z);
    // A zero or unusable normal is taken as the default one.
    if (!(length > 1e-12) || !std::isfinite(length))
        return kDefaultExtrusion;
    const Vec3 normal{given.x / length, given.y / length, given.z / length};
    auto& list = drawing_.extrusions;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == normal)
            return ExtrusionIndex(i);
    list.push_back(normal);
    return ExtrusionIndex(list.size() - 1);
}

BlockIndex DrawingBuilder::block(std::string_view name, const Block& block) {
    auto [it, added] = blockIds_.emplace(upperName(name), BlockIndex(drawing_.blocks.size()));
    if (added) {
        Block named = block;
        named.name = intern(name);
        drawing_.blocks.push_back(named);
        blockRefs_.emplace_back();
    }
    return it->second;
}

BlockIndex DrawingBuilder::beginBlock(std::string_view name, const Block& definition) {
    // A second definition of a name adds its entities to the first one's.
    current_ = block(name, definition);
    return current_;
}

void DrawingBuilder::endBlock() {
    current_ = kNoBlock;
}

std::vector<EntityRef>& DrawingBuilder::target(BlockIndex owner) {
    return owner < blockRefs_.size() ? blockRefs_[owner] : modelRefs_;
}

void DrawingBuilder::skip(std::string_view typeName) {
    if (current_ != kNoBlock)
        return;
    auto it = drawing_.skippedEntities.find(typeName);
    if (it == drawing_.skippedEntities.end())
        it = drawing_.skippedEntities.emplace(std::string(typeName), 0).first;
    ++it->second;
}

void DrawingBuilder::finish() {
    auto& order = drawing_.entityOrder;
    order.clear();
    std::size_t total = modelRefs_.size();
    for (const auto& refs : blockRefs_)
        total += refs.size();
    order.reserve(total);
    auto append = [&order](std::vector<EntityRef>& refs) {
        Range range{std::uint32_t(order.size()), std::uint32_t(refs.size())};
        order.insert(order.end(), refs.begin(), refs.end());
        refs = {};
        return range;
    };
    drawing_.modelSpace = append(modelRefs_);
    for (std::size_t i = 0; i < blockRefs_.size(); ++i)
        drawing_.blocks[i].entities = append(blockRefs_[i]);

    auto resolve = [this](StringId name) {
        auto it = blockIds_.find(upperName(drawing_.text(name)));
        return it == blockIds_.end() ? kNoBlock : it->second;
    };
    for (auto& insert : drawing_.store<Insert>())
        insert.block = resolve(insert.blockName);
    for (auto& dimension : drawing_.store<Dimension>())
        dimension.block = resolve(dimension.blockName);
}

} // namespace cad
