#pragma once
// A static bounding-box tree over recorded primitives, so that drawing a small
// part of a big drawing only looks at what lies there. Built once (boxes
// sorted along a space-filling curve and packed 16 to a node), then read-only:
// any number of threads may query it.

#include "cad/Geometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace cad::render {

class SpatialIndex {
public:
    SpatialIndex() = default;
    // Indexes every non-empty box; ids are positions in `boxes`. `skip(i)`
    // leaves a box out (primitives handled apart, such as infinite lines).
    template <class Skip> explicit SpatialIndex(std::span<const Box2> boxes, Skip&& skip) {
        std::vector<std::uint32_t> ids;
        ids.reserve(boxes.size());
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (!boxes[i].empty() && !skip(i))
                ids.push_back(std::uint32_t(i));
        build(boxes, std::move(ids));
    }

    // Calls visit(id) for every indexed box that meets `area` (in no set order).
    template <class Visit> void query(const Box2& area, Visit&& visit) const {
        if (levels_.empty())
            return;
        queryNode(area, levels_.size() - 1, 0, visit);
    }
    std::size_t size() const { return items_.size(); }

private:
    static constexpr std::uint32_t kFanOut = 16;
    struct Node {
        Box2 box;
        std::uint32_t first = 0; // children in the level below, or items at level 0
        std::uint32_t count = 0;
    };

    void build(std::span<const Box2> boxes, std::vector<std::uint32_t> ids);
    static bool meets(const Box2& a, const Box2& b) {
        return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
    }
    template <class Visit>
    void queryNode(const Box2& area, std::size_t level, std::uint32_t index, Visit& visit) const {
        const Node& node = levels_[level][index];
        if (!meets(node.box, area))
            return;
        for (std::uint32_t i = node.first; i < node.first + node.count; ++i) {
            if (level == 0) {
                if (meets(itemBoxes_[i], area))
                    visit(items_[i]);
            } else {
                queryNode(area, level - 1, i, visit);
            }
        }
    }

    std::vector<std::uint32_t> items_;
    std::vector<Box2> itemBoxes_;
    std::vector<std::vector<Node>> levels_; // levels_[0] are the leaves, the last the root
};

} // namespace cad::render
