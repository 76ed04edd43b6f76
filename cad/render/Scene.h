#pragma once
// One drawing, recorded for drawing: its primitives, the index over them and
// the fonts of its texts. Immutable once built, so that a render job on
// another thread and the user-interface thread can share it.

#include "cad/Drawing.h"
#include "cad/render/FontCatalog.h"
#include "cad/render/FrontEnd.h"
#include "cad/render/Recording.h"
#include "cad/render/SpatialIndex.h"

#include <memory>
#include <optional>

namespace cad::render {

class Scene {
public:
    // Records model space. Needs a QGuiApplication (for the fonts); may run on
    // any thread.
    static std::shared_ptr<const Scene> build(const Drawing& drawing, FrontEndLimits limits = {});

    const Recording& recording() const { return recording_; }
    const SpatialIndex& index() const { return index_; }
    // Primitives the index leaves out because they have no finite box (infinite
    // lines): every view looks at them.
    const std::vector<std::uint32_t>& unindexed() const { return unindexed_; }
    const FontCatalog& fonts() const { return fonts_; }
    // What a view zoomed to extents shows: the box of every finite primitive
    // and the base points of infinite lines.
    const Box2& extents() const { return extents_; }
    // True when a drawing too big (or a block nesting too deep) was recorded
    // only in part.
    bool truncated() const { return truncated_; }

    // The model-space position of the topmost entity drawn within `tolerance`
    // of the world point, if any.
    std::optional<std::uint32_t> entityAt(const Vec2& world, double tolerance) const;

private:
    Recording recording_;
    FontCatalog fonts_;
    SpatialIndex index_;
    std::vector<std::uint32_t> unindexed_;
    Box2 extents_;
    bool truncated_ = false;
};

} // namespace cad::render
