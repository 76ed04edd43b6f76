#pragma once
// The one way file readers fill a Drawing: table entries found or created by
// name, entities appended to model space or to a block, block references
// resolved by name when reading ends. DXF and DWG readers share it, so both
// build the same model.

#include "cad/Drawing.h"
#include "cad/PoolGrowth.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cad {

class DrawingBuilder {
public:
    explicit DrawingBuilder(Drawing& drawing);

    Drawing& drawing() { return drawing_; }
    StringId intern(std::string_view text) { return drawing_.strings.intern(text); }

    // Table entries by name (case-insensitive). The define functions add an entry
    // or overwrite the one of the same name; the lookups create a default entry
    // for a name the tables do not have, as CAD programs do.
    LayerIndex defineLayer(std::string_view name, const Layer& layer);
    LinetypeIndex defineLinetype(std::string_view name, const Linetype& linetype);
    TextStyleIndex defineTextStyle(std::string_view name, const TextStyle& style);
    DimStyleIndex defineDimStyle(std::string_view name, const DimStyle& style);
    LayerIndex layer(std::string_view name);
    // "BYLAYER" and an empty name give kLinetypeByLayer, "BYBLOCK" kLinetypeByBlock.
    LinetypeIndex linetype(std::string_view name);
    TextStyleIndex textStyle(std::string_view name);
    DimStyleIndex dimStyle(std::string_view name);
    ExtrusionIndex extrusion(const Vec3& normal);

    // Blocks: entities added after beginBlock() belong to the block until
    // endBlock(); otherwise they belong to model space.
    BlockIndex beginBlock(std::string_view name, const Block& block);
    // The block of that name, defined empty when new; the current block stays.
    BlockIndex block(std::string_view name, const Block& block = {});
    void endBlock();
    bool inBlock() const { return current_ != kNoBlock; }

    // Appends an entity to the current block or model space; returns its index.
    template <class T> std::uint32_t add(T&& entity) {
        return addTo(current_, std::forward<T>(entity));
    }
    // Appends an entity to a block (kNoBlock: model space), for readers whose
    // entities name their owner and come in any order; returns its index.
    template <class T> std::uint32_t addTo(BlockIndex owner, T&& entity) {
        using E = std::decay_t<T>;
        auto& store = drawing_.store<E>();
        const auto index = std::uint32_t(store.size());
        appendGrowing(store, std::forward<T>(entity));
        appendGrowing(target(owner), EntityRef{entityTypeOf<E>, index});
        return index;
    }
    // Stores an entity that another one owns (an INSERT's attributes), without
    // listing it in a block or model space; returns its index.
    template <class T> std::uint32_t addOwned(T&& entity) {
        auto& store = drawing_.store<std::decay_t<T>>();
        store.push_back(std::forward<T>(entity));
        return std::uint32_t(store.size() - 1);
    }
    // Counts an entity of a type the model does not keep (model space only).
    void skip(std::string_view typeName);

    // Resolves block references and lays out entityOrder. Call once, at the end.
    void finish();

private:
    template <class T>
    std::uint32_t define(std::vector<T>& table, std::unordered_map<std::string, std::uint32_t>& ids,
                         std::string_view name, const T& entry);
    template <class T>
    std::uint32_t lookup(std::vector<T>& table, std::unordered_map<std::string, std::uint32_t>& ids,
                         std::string_view name);
    std::vector<EntityRef>& target(BlockIndex owner);

    Drawing& drawing_;
    std::unordered_map<std::string, std::uint32_t> layerIds_;
    std::unordered_map<std::string, std::uint32_t> linetypeIds_;
    std::unordered_map<std::string, std::uint32_t> styleIds_;
    std::unordered_map<std::string, std::uint32_t> dimStyleIds_;
    std::unordered_map<std::string, std::uint32_t> blockIds_;
    // Most entities in a row share a layer: the last name looked up and its index.
    std::string lastLayerName_;
    LayerIndex lastLayer_ = kLayerZero;
    std::vector<EntityRef> modelRefs_;
    std::vector<std::vector<EntityRef>> blockRefs_;
    BlockIndex current_ = kNoBlock;
};

} // namespace cad
