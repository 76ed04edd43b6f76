// The TABLES section: layers, linetypes, text styles and dimension styles.

#include "cad/DxfSections.h"
#include "cad/PoolGrowth.h"

#include <cstdlib>

namespace cad {

namespace {

// Reads the groups of one table entry: its name (group 2) into `name`, the rest
// through field().
template <class F> void readEntry(DxfReaderContext& c, std::string& name, F&& field) {
    while (c.nextInObject()) {
        if (c.group.code == 2)
            name = c.text();
        else
            field();
    }
}

void readLayer(DxfReaderContext& c) {
    Layer layer;
    std::string name;
    readEntry(c, name, [&] {
        switch (c.group.code) {
        case 62: {
            // A negative colour number marks a layer that is off.
            const auto number = c.integer(-1000, 1000);
            layer.on = number >= 0;
            layer.color = Color::fromIndex(std::uint8_t(std::llabs(number) % 256));
            if (layer.color.index() == 0)
                layer.color = Color::fromIndex(7);
            break;
        }
        case 420:
            layer.color = Color::fromRgbValue(std::uint32_t(c.integer()));
            break;
        case 6:
            layer.linetype = c.builder.linetype(c.text());
            break;
        case 370:
            layer.lineweight = std::int16_t(c.integer(-3, 211));
            break;
        case 70: {
            const auto flags = c.integer();
            layer.frozen = (flags & 1) != 0;
            layer.locked = (flags & 4) != 0;
            break;
        }
        case 290:
            layer.plotted = c.flag();
            break;
        default:
            break;
        }
    });
    if (!name.empty())
        c.builder.defineLayer(name, layer);
}

void readLinetype(DxfReaderContext& c) {
    Linetype linetype;
    std::string name;
    auto& reals = c.drawing().reals;
    readEntry(c, name, [&] {
        switch (c.group.code) {
        case 3:
            linetype.description = c.internText();
            break;
        case 40:
            linetype.patternLength = c.real();
            break;
        case 49:
            appendToRange(reals, linetype.dashes, c.real());
            break;
        default:
            break;
        }
    });
    if (!name.empty())
        c.builder.defineLinetype(name, linetype);
}

void readTextStyle(DxfReaderContext& c) {
    TextStyle style;
    std::string name;
    bool shapeFile = false;
    readEntry(c, name, [&] {
        switch (c.group.code) {
        case 3:
            style.fontFile = c.internText();
            break;
        case 4:
            style.bigFontFile = c.internText();
            break;
        case 40:
            style.fixedHeight = c.real();
            break;
        case 41:
            style.widthFactor = c.real();
            break;
        case 50:
            style.oblique = c.angle();
            break;
        case 70:
            shapeFile = (c.integer() & 1) != 0;
            break;
        case 71: {
            const auto flags = c.integer();
            style.backward = (flags & 2) != 0;
            style.upsideDown = (flags & 4) != 0;
            break;
        }
        case 1000:
            // The TrueType family name, in the style's extended data.
            if (style.fontFamily == kEmptyString)
                style.fontFamily = c.internText();
            break;
        default:
            break;
        }
    });
    // Shape files loaded for linetypes are styles without a name.
    if (!name.empty() && !shapeFile)
        c.builder.defineTextStyle(name, style);
}

void readDimStyle(DxfReaderContext& c) {
    DimStyle style;
    std::string name;
    readEntry(c, name, [&] {
        if (c.group.code == 41)
            style.arrowSize = c.real();
        else if (c.group.code == 40)
            style.scale = c.real();
    });
    if (!name.empty())
        c.builder.defineDimStyle(name, style);
}

} // namespace

void readTablesSection(DxfReaderContext& c) {
    for (c.nextInSection(); !c.atEndOfSection(); c.nextInSection()) {
        if (c.group.code != 0)
            continue;
        const std::string_view type = c.name();
        if (type == "LAYER")
            readLayer(c);
        else if (type == "LTYPE")
            readLinetype(c);
        else if (type == "STYLE")
            readTextStyle(c);
        else if (type == "DIMSTYLE")
            readDimStyle(c);
        else
            c.skipObject(); // TABLE, ENDTAB and the tables the model does not use
    }
}

void skipSection(DxfReaderContext& c) {
    for (c.nextInSection(); !c.atEndOfSection(); c.nextInSection()) {
    }
}

} // namespace cad
