// The HEADER section: the variables a viewer needs, and the release and code
// page that decide how the text of the rest of the file is decoded.

#include "cad/DxfSections.h"

namespace cad {

namespace {

// Reads the groups of one variable (up to the next 9 or 0 group) through take().
template <class F> void readVariable(DxfReaderContext& c, F&& take) {
    while (c.nextInObject()) {
        if (c.group.code == 9) {
            c.tokens.pushBack();
            return;
        }
        take();
    }
}

void readExtent(DxfReaderContext& c, Vec3& point, bool& given) {
    readVariable(c, [&] { given = c.coordinate(10, point) || given; });
}

} // namespace

void readHeaderSection(DxfReaderContext& c) {
    auto& header = c.drawing().header;
    bool hasMin = false, hasMax = false;
    for (c.nextInSection(); !c.atEndOfSection(); c.nextInSection()) {
        if (c.group.code == 0)
            c.fail("the header holds the object " + std::string(c.name()));
        if (c.group.code != 9)
            continue;
        const std::string_view variable = c.name();
        if (variable == "$ACADVER") {
            readVariable(c, [&] {
                if (c.group.code == 1)
                    header.version = std::string(c.name());
            });
            // Release 2007 (AC1021) and later store text as UTF-8.
            if (header.version >= "AC1021")
                c.decoder.setUtf8();
        } else if (variable == "$DWGCODEPAGE") {
            readVariable(c, [&] {
                if (c.group.code == 3)
                    header.codePage = std::string(c.name());
            });
            c.decoder.setCodePage(header.codePage);
        } else if (variable == "$EXTMIN") {
            readExtent(c, header.extMin, hasMin);
        } else if (variable == "$EXTMAX") {
            readExtent(c, header.extMax, hasMax);
        } else if (variable == "$LTSCALE") {
            readVariable(c,
                         [&] { header.ltScale = c.group.code == 40 ? c.real() : header.ltScale; });
        } else if (variable == "$INSUNITS") {
            readVariable(c, [&] {
                if (c.group.code == 70)
                    header.insUnits = std::int16_t(c.integer(0, 32767));
            });
        } else if (variable == "$PDMODE") {
            readVariable(c, [&] {
                if (c.group.code == 70)
                    header.pdMode = std::int16_t(c.integer(-32768, 32767));
            });
        } else if (variable == "$PDSIZE") {
            readVariable(c, [&] { header.pdSize = c.group.code == 40 ? c.real() : header.pdSize; });
        }
    }
    header.hasExtents = hasMin && hasMax && header.extMin.x <= header.extMax.x &&
                        header.extMin.y <= header.extMax.y;
}

} // namespace cad
