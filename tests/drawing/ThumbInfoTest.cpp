#include "drawing/ThumbInfo.h"

#include <gtest/gtest.h>

namespace {

const QString Example =
    QStringLiteral("/home/ann/plan.dwg|Size: 58 KB|Type: DWG File|Modified: 2008-5-12 9:30");

TEST(ThumbInfo, InfoPathIsTheTextBeforeTheFirstBar) {
    const std::pair<QString, QString> cases[] = {
        {Example, "/home/ann/plan.dwg"},
        {"|Size: 1 KB", ""},
        {"/home/ann/plan.dwg", "/home/ann/plan.dwg"},
        {"", ""},
        {"a|b|c", "a"},
    };
    for (const auto& [text, path] : cases)
        EXPECT_EQ(InfoPath(text), path) << text.toStdString();
}

TEST(ThumbInfo, StripLabelKeepsWhatFollowsTheFirstColon) {
    const std::pair<QString, QString> cases[] = {
        {"Size: 58 KB", " 58 KB"},
        {"Modified: 2008-5-12 9:30", " 2008-5-12 9:30"},
        {"no label", "no label"},
        {":", ""},
        {"", ""},
    };
    for (const auto& [text, stripped] : cases) {
        QString value = text;
        StripLabel(value);
        EXPECT_EQ(value, stripped) << text.toStdString();
    }
}

TEST(ThumbInfo, SplitThumbInfoGivesThePathAndThreeValues) {
    struct Case {
        QString info;
        ThumbInfo parts;
    } cases[] = {
        {Example, {"/home/ann/plan.dwg", " 58 KB", " DWG File", " 2008-5-12 9:30"}},
        {"no bars: here", {"no bars: here", "", "", ""}},
        {"p|a|b", {"p", "a", "b", ""}},
        {"p|A: 1|B: 2|C: 3|D: 4", {"p", " 1", " 2", " 3|D: 4"}},
        {"/home/ann/Drawings/||Type: Folder|Modified: 2020-1-2 3:04",
         {"/home/ann/Drawings/", "", " Folder", " 2020-1-2 3:04"}},
        {"|||", {"", "", "", ""}},
        {"", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.info.toStdString());
        const ThumbInfo parts = SplitThumbInfo(c.info);
        EXPECT_EQ(parts.Path, c.parts.Path);
        EXPECT_EQ(parts.Detail1, c.parts.Detail1);
        EXPECT_EQ(parts.Detail2, c.parts.Detail2);
        EXPECT_EQ(parts.Detail3, c.parts.Detail3);
    }
}

TEST(ThumbInfo, ThumbHintTextPutsEachDetailOnALine) {
    const std::pair<QString, QString> cases[] = {
        {Example, "\nSize: 58 KB\nType: DWG File\nModified: 2008-5-12 9:30"},
        {"/home/ann/Drawings/||Type: Folder|Modified: 2020-1-2 3:04",
         "\nType: Folder\nModified: 2020-1-2 3:04"},
        {"no bars", "\nno bars"},
        {"p|a|b|c|d", "\na\nb\nc\nd"},
        {"p|||", ""},
        {"", ""},
    };
    for (const auto& [info, hint] : cases)
        EXPECT_EQ(ThumbHintText(info), hint) << info.toStdString();
}

} // namespace
