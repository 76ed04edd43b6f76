#pragma once
// The drawing model: header values, tables, blocks and entities of one drawing,
// filled by a file reader (DXF or DWG) and read by the renderer and the tools.
//
// Entities live in one packed store per type (store<Line>(), store<Circle>(),
// ...). Model space and each block are ranges of entityOrder, which lists
// EntityRefs in drawing order. Variable-length entity data lives in the shared
// pools below, named by Range values in the entities.

#include "cad/Entities.h"
#include "cad/StringPool.h"
#include "cad/Tables.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace cad {

// The stores, in EntityType order.
using EntityStores =
    std::tuple<std::vector<Line>, std::vector<XLine>, std::vector<Ray>, std::vector<Point>,
               std::vector<Circle>, std::vector<Arc>, std::vector<Ellipse>, std::vector<LwPolyline>,
               std::vector<Polyline>, std::vector<Spline>, std::vector<Text>, std::vector<MText>,
               std::vector<Attrib>, std::vector<AttDef>, std::vector<Insert>,
               std::vector<Dimension>, std::vector<Leader>, std::vector<Hatch>, std::vector<Solid>,
               std::vector<Trace>, std::vector<Face3D>, std::vector<Wipeout>, std::vector<MLine>,
               std::vector<Viewport>, std::vector<Image>, std::vector<Helix>>;
static_assert(std::tuple_size_v<EntityStores> == kEntityTypeCount);

// The EntityType of an entity record type: entityTypeOf<Circle> == EntityType::Circle.
template <class T, std::size_t I = 0> constexpr EntityType entityTypeOfIndex() {
    if constexpr (std::is_same_v<std::tuple_element_t<I, EntityStores>, std::vector<T>>)
        return EntityType(I);
    else
        return entityTypeOfIndex<T, I + 1>();
}
template <class T> inline constexpr EntityType entityTypeOf = entityTypeOfIndex<T>();

namespace detail {
template <class F, std::size_t... I>
decltype(auto) visitStore(const EntityStores& stores, EntityRef ref, F& f,
                          std::index_sequence<I...>) {
    using R = decltype(f(std::get<0>(stores)[0]));
    using Fn = R (*)(const EntityStores&, std::uint32_t, F&);
    static constexpr Fn table[] = {[](const EntityStores& s, std::uint32_t i, F& fn) -> R {
        return fn(std::get<I>(s)[i]);
    }...};
    return table[std::size_t(ref.type)](stores, ref.index, f);
}
} // namespace detail

enum class FileFormat : std::uint8_t { Dxf, Dwg };

class Drawing {
public:
    // Starts with the entries every drawing has: layer "0", linetypes ByLayer,
    // ByBlock and Continuous, text and dimension style "Standard".
    Drawing();
    Drawing(Drawing&&) noexcept = default;
    Drawing& operator=(Drawing&&) noexcept = default;

    FileFormat format = FileFormat::Dxf;
    Header header;
    StringPool strings;

    std::vector<Layer> layers;
    std::vector<Linetype> linetypes;
    std::vector<TextStyle> textStyles;
    std::vector<DimStyle> dimStyles;
    std::vector<Block> blocks;

    // Drawing order of model space and of every block (Block::entities).
    std::vector<EntityRef> entityOrder;
    Range modelSpace;

    // Extrusion directions other than (0, 0, 1); index 0 holds (0, 0, 1).
    std::vector<Vec3> extrusions;

    // Pools of variable-length entity data.
    std::vector<PolyVertex> polyVertices;
    std::vector<std::array<std::int32_t, 4>> polyfaceFaces;
    std::vector<Vec3> points3;
    std::vector<Vec2> points2;
    std::vector<double> reals;
    std::vector<HatchPath> hatchPaths;
    std::vector<HatchEdge> hatchEdges;
    std::vector<HatchPatternLine> hatchPatternLines;
    std::vector<MLineVertex> mlineVertices;

    // Model-space entities the model does not keep, by the file's type name.
    std::map<std::string, std::size_t, std::less<>> skippedEntities;

    template <class T> std::vector<T>& store() { return std::get<std::vector<T>>(stores_); }
    template <class T> const std::vector<T>& store() const {
        return std::get<std::vector<T>>(stores_);
    }
    template <class T> const T& get(std::uint32_t index) const { return store<T>()[index]; }

    // Calls f(entity) with the record `ref` names, as its own type.
    template <class F> decltype(auto) visit(EntityRef ref, F&& f) const {
        return detail::visitStore(stores_, ref, f, std::make_index_sequence<kEntityTypeCount>());
    }
    // Common properties of any entity.
    const EntityProps& props(EntityRef ref) const {
        return visit(ref, [](const auto& e) -> const EntityProps& { return e.props; });
    }

    std::span<const EntityRef> entities(Range range) const { return slice(entityOrder, range); }
    std::span<const EntityRef> modelSpaceEntities() const { return entities(modelSpace); }
    const Vec3& extrusion(const EntityProps& p) const { return extrusions[p.extrusion]; }
    std::string_view text(StringId id) const { return strings.view(id); }

    // Elements of a pool named by a range.
    template <class T> static std::span<const T> slice(const std::vector<T>& pool, Range r) {
        if (std::size_t(r.first) + r.count > pool.size())
            return {};
        return std::span<const T>(pool.data() + r.first, r.count);
    }

    // Number of entities in all stores, or in the store of one type.
    std::size_t entityCount() const;
    std::size_t entityCount(EntityType type) const;
    // The block of that name (case-insensitive), or kNoBlock.
    BlockIndex findBlock(std::string_view name) const;
    // The layer of that name (case-insensitive), or kLayerZero when there is none.
    LayerIndex findLayer(std::string_view name) const;

private:
    EntityStores stores_;
};

} // namespace cad
