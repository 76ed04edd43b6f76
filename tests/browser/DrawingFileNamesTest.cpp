#include "browser/DrawingFileNames.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawingFileNames, ExtensionDecidesLetterCaseIgnored) {
    const struct {
        const char* name;
        bool dwg;
        bool dxf;
    } cases[] = {
        {"PLAN.DWG", true, false},     {"/a/b.Dwg", true, false},
        {"drawing.DwG", true, false},  {"plan.dxf", false, true},
        {"/x/PART.DXF", false, true},  {"plan.dwg.bak", false, false},
        {"/x.dwg/plan", false, false}, {"drawing.dwgx", false, false},
        {"drawing", false, false},     {"", false, false},
        {".dwg", true, false},         {"/folder/.dxf", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsDwgFile(c.name), c.dwg) << c.name;
        EXPECT_EQ(IsDxfFile(c.name), c.dxf) << c.name;
    }
}

TEST(DrawingFileNames, TrailingSeparator) {
    EXPECT_EQ(AddTrailingBackslash("/"), "/");
    EXPECT_EQ(AddTrailingBackslash("/home/ann/Drawings"), "/home/ann/Drawings/");
    EXPECT_EQ(AddTrailingBackslash("/home/ann/Drawings/"), "/home/ann/Drawings/");
    EXPECT_EQ(AddTrailingBackslash(""), "");
}

} // namespace
