#include "DxfBuilder.h"

#include "cad/DxfTokenizer.h"
#include "cad/ReadError.h"

#include <gtest/gtest.h>

using cad::DxfGroup;
using cad::DxfTokenizer;

namespace {

struct Token {
    int code;
    std::string text;
    std::size_t position;
};

std::vector<Token> tokens(const std::string& data) {
    DxfTokenizer tokenizer(dxftest::bytes(data));
    std::vector<Token> out;
    DxfGroup g;
    while (tokenizer.next(g))
        out.push_back({g.code, std::string(g.text), g.position});
    return out;
}

std::string failure(const std::string& data) {
    try {
        DxfTokenizer tokenizer(dxftest::bytes(data));
        DxfGroup g;
        while (tokenizer.next(g)) {
        }
    } catch (const cad::ReadError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(DxfTokenizer, SplitsTextGroupsWhateverTheLineEnds) {
    struct Case {
        const char* name;
        std::string data;
    };
    const Case cases[] = {
        {"LF", "  0\nSECTION\n  2\nENTITIES\n"},
        {"CRLF", "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"},
        {"no final line end", "0\nSECTION\n2\nENTITIES"},
        {"blanks around codes", "\t 0  \nSECTION\n 2\t\nENTITIES\n\n\n"},
    };
    for (const auto& c : cases) {
        const auto t = tokens(c.data);
        ASSERT_EQ(t.size(), 2u) << c.name;
        EXPECT_EQ(t[0].code, 0) << c.name;
        EXPECT_EQ(t[0].text, "SECTION") << c.name;
        EXPECT_EQ(t[0].position, 1u) << c.name;
        EXPECT_EQ(t[1].code, 2) << c.name;
        EXPECT_EQ(t[1].text, "ENTITIES") << c.name;
        EXPECT_EQ(t[1].position, 3u) << c.name;
    }
}

TEST(DxfTokenizer, KeepsBlanksInsideTextValues) {
    const auto t = tokens("  1\n  two words  \r\n");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "  two words  ");
}

TEST(DxfTokenizer, ParsesNumbersOfTextAndBinaryForms) {
    const dxftest::Groups groups = {{10, "1.5"}, {20, "-2e3"}, {70, "42"},       {90, "-70000"},
                                    {290, "1"},  {1, "ab"},    {310, "\x01\x02"}};
    for (const bool binaryForm : {false, true}) {
        const std::string data = binaryForm ? dxftest::binary(groups) : dxftest::text(groups);
        DxfTokenizer t(dxftest::bytes(data));
        EXPECT_EQ(t.binary(), binaryForm);
        DxfGroup g;
        ASSERT_TRUE(t.next(g));
        EXPECT_DOUBLE_EQ(t.real(g), 1.5);
        ASSERT_TRUE(t.next(g));
        EXPECT_DOUBLE_EQ(t.real(g), -2000);
        ASSERT_TRUE(t.next(g));
        EXPECT_EQ(t.integer(g), 42);
        ASSERT_TRUE(t.next(g));
        EXPECT_EQ(t.integer(g), -70000);
        ASSERT_TRUE(t.next(g));
        EXPECT_EQ(t.integer(g), 1);
        ASSERT_TRUE(t.next(g));
        EXPECT_EQ(t.string(g), "ab");
        ASSERT_TRUE(t.next(g));
        EXPECT_EQ(g.code, 310);
        EXPECT_FALSE(t.next(g));
    }
}

TEST(DxfTokenizer, ReadsOneByteGroupCodesOfOldBinaryFiles) {
    const dxftest::Groups groups = {{0, "SECTION"}, {2, "ENTITIES"}, {1071, "7"}, {0, "EOF"}};
    const auto data = dxftest::binary(groups, false);
    DxfTokenizer t(dxftest::bytes(data));
    DxfGroup g;
    std::vector<int> codes;
    while (t.next(g))
        codes.push_back(g.code);
    EXPECT_EQ(codes, (std::vector<int>{0, 2, 1071, 0}));
}

TEST(DxfTokenizer, ReadsAGroupAgainAfterPushBack) {
    const std::string data = "0\nLINE\n8\nWALLS\n";
    DxfTokenizer t(dxftest::bytes(data));
    DxfGroup g;
    ASSERT_TRUE(t.next(g));
    ASSERT_TRUE(t.next(g));
    t.pushBack();
    DxfGroup again;
    ASSERT_TRUE(t.next(again));
    EXPECT_EQ(again.code, 8);
    EXPECT_EQ(again.text, "WALLS");
    EXPECT_FALSE(t.next(g));
}

TEST(DxfTokenizer, NamesTheLineOrOffsetOfMalformedGroups) {
    const std::string binaryHead(cad::kBinaryDxfSentinel);
    struct Case {
        const char* name;
        std::string data;
        std::string message;
    };
    const Case cases[] = {
        {"code that is no number", "0\nSECTION\nX1\nfoo\n",
         "line 3: a group code was expected, found 'X1'"},
        {"code out of range", "0\nSECTION\n5000\nfoo\n", "line 3: a group code was expected"},
        {"missing value", "0\nSECTION\n2\n",
         "line 3: the file ends before the value of group code 2"},
        {"blank line for a code", "0\nSECTION\n\n2\nX\n", "line 3: a group code was expected"},
        {"truncated binary real", binaryHead + std::string("\x0a\x00\x01\x02", 4),
         "byte offset 22: the file ends inside a value"},
        {"unterminated binary text", binaryHead + std::string("\x00\x00SECT", 6),
         "byte offset 22: the file ends inside a text value"},
        {"truncated binary chunk", binaryHead + std::string("\x36\x01\x09\x01", 4),
         "byte offset 22: the file ends inside a binary value"},
    };
    for (const auto& c : cases)
        EXPECT_NE(failure(c.data).find(c.message), std::string::npos)
            << c.name << ": " << failure(c.data);
}

TEST(DxfTokenizer, RejectsValuesThatAreNoNumbers) {
    struct Case {
        std::string value;
        bool real;
        bool valid;
    };
    const Case cases[] = {
        {" 12.5 ", true, true},
        {"+3", true, true},
        {"1e400", true, false},
        {"nan", true, false},
        {"abc", true, false},
        {"", true, false},
        {"7", false, true},
        {"7.0", false, true},
        {"7.5", false, false},
        {"0x10", false, false},
        {"99999999999999999999", false, false},
    };
    for (const auto& c : cases) {
        const std::string data = std::string(c.real ? "40" : "70") + "\n" + c.value + "\n";
        DxfTokenizer t(dxftest::bytes(data));
        DxfGroup g;
        ASSERT_TRUE(t.next(g));
        bool ok = true;
        try {
            c.real ? void(t.real(g)) : void(t.integer(g));
        } catch (const cad::ReadError& e) {
            ok = false;
            EXPECT_NE(std::string(e.what()).find("line 1: group code"), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(ok, c.valid) << "'" << c.value << "'";
    }
}
