#include "drawing/FileNames.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, TellDrawingsByTheirExtension) {
    struct Case {
        const char* name;
        bool dwg;
        bool dxf;
    } cases[] = {
        {"PLAN.DWG", true, false},      {"/a/b.Dwg", true, false},
        {"drawing.DwG", true, false},   {".dwg", true, false},
        {"plan.dxf", false, true},      {"/home/ann/Site.DXF", false, true},
        {"plan.dwg.bak", false, false}, {"/x.dwg/plan", false, false},
        {"drawing.dwgx", false, false}, {"drawing", false, false},
        {"dwg", false, false},          {"", false, false},
        {"图纸.dwg", true, false},      {"/folder/.dxf", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsDwgFile(QString::fromUtf8(c.name)), c.dwg);
        EXPECT_EQ(IsDxfFile(QString::fromUtf8(c.name)), c.dxf);
    }
}

TEST(FileNames, AddTrailingBackslashEndsAPathInTheSeparator) {
    const std::pair<QString, QString> cases[] = {
        {"/", "/"},
        {"/home/ann/Drawings", "/home/ann/Drawings/"},
        {"/home/ann/Drawings/", "/home/ann/Drawings/"},
        {"", ""},
        {"relative", "relative/"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(AddTrailingBackslash(path), expected) << path.toStdString();
}

} // namespace
