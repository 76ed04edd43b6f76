// Readers of the DXF text entities: TEXT, ATTRIB, ATTDEF and MTEXT.

#include "cad/DxfEntities.h"

#include "cad/DxfEntityCommon.h"

#include <cmath>

namespace cad {

namespace {

// Takes a group of the single-line text data; `vAlignCode` is 73 for TEXT and
// 74 for attributes (which use 73 for the field length).
bool readTextGroup(DxfReaderContext& c, TextData& text, int vAlignCode) {
    if (c.coordinate(10, text.insertion) || c.coordinate(11, text.alignmentPoint))
        return true;
    const int code = c.group.code;
    switch (code) {
    case 1:
        text.content = c.internText();
        return true;
    case 7:
        text.style = c.builder.textStyle(c.text());
        return true;
    case 40:
        text.height = c.real();
        return true;
    case 41:
        text.widthFactor = c.real();
        return true;
    case 50:
        text.rotation = c.angle();
        return true;
    case 51:
        text.oblique = c.angle();
        return true;
    case 71: {
        const auto flags = c.integer();
        text.backward = (flags & 2) != 0;
        text.upsideDown = (flags & 4) != 0;
        return true;
    }
    case 72:
        text.hAlign = TextHAlign(c.integer(0, 5));
        return true;
    default:
        if (code == vAlignCode) {
            text.vAlign = TextVAlign(c.integer(0, 3));
            return true;
        }
        return false;
    }
}

template <class T> void readAttribute(DxfReaderContext& c, T& attribute, EntityCommon& common) {
    readEntityGroups(c, common, [&] {
        if (readTextGroup(c, attribute.text, 74))
            return;
        if (c.group.code == 2) {
            attribute.tag = c.internText();
        } else if (c.group.code == 70) {
            attribute.flags = std::uint16_t(c.integer(0, 0xFFFF));
        } else if (c.group.code == 3) {
            if constexpr (requires { attribute.prompt; })
                attribute.prompt = c.internText();
        }
    });
}

} // namespace

void readText(DxfReaderContext& c) {
    EntityCommon common;
    Text text;
    readEntityGroups(c, common, [&] { readTextGroup(c, text.text, 73); });
    addEntity(c, text, common, Coordinates::Object);
}

void readAttDef(DxfReaderContext& c) {
    EntityCommon common;
    AttDef attdef;
    readAttribute(c, attdef, common);
    addEntity(c, attdef, common, Coordinates::Object);
}

void readAttrib(DxfReaderContext& c) {
    EntityCommon common;
    Attrib attrib;
    readAttribute(c, attrib, common);
    addEntity(c, attrib, common, Coordinates::Object);
}

// An attribute that follows an INSERT: stored apart, named by the insert.
std::uint32_t readOwnedAttrib(DxfReaderContext& c) {
    EntityCommon common;
    Attrib attrib;
    readAttribute(c, attrib, common);
    common.props.extrusion = c.builder.extrusion(common.normal);
    attrib.props = common.props;
    return c.builder.addOwned(std::move(attrib));
}

void readMText(DxfReaderContext& c) {
    EntityCommon common;
    MText mtext;
    // The text comes in chunks (groups 3, then a last group 1) that may split a
    // multibyte character, so it is decoded whole.
    std::string content;
    bool hasDirection = false;
    double rotation = 0;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, mtext.insertion))
            return;
        if (c.coordinate(11, mtext.direction)) {
            hasDirection = true;
            return;
        }
        switch (c.group.code) {
        case 1:
        case 3:
            content.append(c.group.text);
            break;
        case 7:
            mtext.style = c.builder.textStyle(c.text());
            break;
        case 40:
            mtext.height = c.real();
            break;
        case 41:
            mtext.rectWidth = c.real();
            break;
        case 44:
            mtext.lineSpacingFactor = c.real();
            break;
        case 50:
            rotation = c.angle();
            break;
        case 71:
            mtext.attachment = std::uint8_t(c.integer(1, 9));
            break;
        case 72:
            mtext.drawingDirection = std::uint8_t(c.integer(1, 5));
            break;
        default:
            break;
        }
    });
    if (!hasDirection)
        mtext.direction = Vec3{std::cos(rotation), std::sin(rotation), 0};
    mtext.content = c.builder.intern(c.decoder.decode(content));
    addEntity(c, mtext, common, Coordinates::World);
}

} // namespace cad
