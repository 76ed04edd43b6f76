#include "cad/DxfEntityCommon.h"

#include <algorithm>
#include <cmath>

namespace cad {

bool readCommonGroup(DxfReaderContext& c, EntityCommon& common) {
    if (common.embeddedObject)
        return true;
    auto& p = common.props;
    switch (c.group.code) {
    case 5:
        p.handle = c.tokens.handle(c.group);
        return true;
    case 8:
        p.layer = c.builder.layer(c.text());
        return true;
    case 6:
        p.linetype = c.builder.linetype(c.text());
        return true;
    case 62:
        p.color = Color::fromColorNumber(int(std::llabs(c.integer(-1000, 1000))));
        return true;
    case 420:
        p.color = Color::fromRgbValue(std::uint32_t(c.integer()));
        return true;
    case 370:
        p.lineweight = std::int16_t(c.integer(-3, 211));
        return true;
    case 48:
        // Kept as a float: values beyond its range are cut to it.
        p.linetypeScale = float(std::clamp(c.real(), -1e30, 1e30));
        return true;
    case 60:
        p.invisible = c.flag();
        return true;
    case 67:
        common.paperSpace = c.flag();
        return true;
    case 101:
        common.embeddedObject = true;
        return true;
    case 210:
    case 220:
    case 230:
        return c.coordinate(210, common.normal);
    default:
        // Extended data, reactors and owner handles. Subclass markers (100) are
        // left to the entities that need them.
        return c.group.code >= 1000 || c.group.code == 102 || c.group.code == 330 ||
               c.group.code == 360;
    }
}

} // namespace cad
