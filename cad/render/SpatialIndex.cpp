#include "cad/render/SpatialIndex.h"

#include <algorithm>
#include <cmath>

namespace cad::render {
namespace {

// Interleaves the bits of two 16-bit numbers: nearby boxes get nearby keys.
std::uint32_t mortonKey(std::uint32_t x, std::uint32_t y) {
    auto spread = [](std::uint32_t v) {
        v &= 0xFFFF;
        v = (v | (v << 8)) & 0x00FF00FF;
        v = (v | (v << 4)) & 0x0F0F0F0F;
        v = (v | (v << 2)) & 0x33333333;
        v = (v | (v << 1)) & 0x55555555;
        return v;
    };
    return spread(x) | (spread(y) << 1);
}

} // namespace

void SpatialIndex::build(std::span<const Box2> boxes, std::vector<std::uint32_t> ids) {
    if (ids.empty())
        return;
    Box2 all;
    for (const std::uint32_t id : ids)
        all.add(boxes[id]);
    const double sx = all.width() > 0 ? 65535 / all.width() : 0;
    const double sy = all.height() > 0 ? 65535 / all.height() : 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keyed;
    keyed.reserve(ids.size());
    for (const std::uint32_t id : ids) {
        const Box2& b = boxes[id];
        const double cx = ((b.minX + b.maxX) / 2 - all.minX) * sx;
        const double cy = ((b.minY + b.maxY) / 2 - all.minY) * sy;
        const auto cell = [](double v) {
            return std::isfinite(v) ? std::uint32_t(std::clamp(v, 0.0, 65535.0)) : 0u;
        };
        keyed.emplace_back(mortonKey(cell(cx), cell(cy)), id);
    }
    std::sort(keyed.begin(), keyed.end());
    items_.reserve(keyed.size());
    itemBoxes_.reserve(keyed.size());
    for (const auto& [key, id] : keyed) {
        items_.push_back(id);
        itemBoxes_.push_back(boxes[id]);
    }
    // Leaves over the items, then levels of nodes until one root is left.
    std::size_t count = items_.size();
    auto boxOfChild = [&](std::size_t level, std::size_t i) -> const Box2& {
        return level == 0 ? itemBoxes_[i] : levels_[level - 1][i].box;
    };
    for (std::size_t level = 0;; ++level) {
        std::vector<Node> nodes;
        nodes.reserve((count + kFanOut - 1) / kFanOut);
        for (std::size_t first = 0; first < count; first += kFanOut) {
            Node node;
            node.first = std::uint32_t(first);
            node.count = std::uint32_t(std::min<std::size_t>(kFanOut, count - first));
            for (std::size_t i = first; i < first + node.count; ++i)
                node.box.add(boxOfChild(level, i));
            nodes.push_back(node);
        }
        count = nodes.size();
        levels_.push_back(std::move(nodes));
        if (count == 1)
            break;
    }
}

} // namespace cad::render
