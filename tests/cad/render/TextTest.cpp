// Text control codes, multi-line text parsing and wrapping, single-line
// alignment, and the fonts texts are drawn in.

#include "DrawingFixture.h"
#include "cad/render/FontCatalog.h"
#include "cad/render/TextCodes.h"
#include "cad/render/TextLayout.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <numbers>

namespace cad::render {
namespace {

// Every character one text unit wide, nothing below the baseline: layouts
// become exact.
class FixedMeasure : public TextMeasure {
public:
    double advance(const QString& text, std::uint16_t) const override { return text.size(); }
    double descent(std::uint16_t) const override { return 0.25; }
};

TEST(SpecialCodes, Table) {
    const std::pair<const char*, QString> cases[] = {
        {"45%%d", QString("45") + QChar(0x00B0)},
        {"%%p0.05", QChar(0x00B1) + QString("0.05")},
        {"%%C20", QChar(0x2300) + QString("20")},
        {"%%uunder%%u", "under"},
        {"100%%%", "100%"},
        {"%%065BC", "ABC"},
        {"50%", "50%"},
        {"%%", "%%"},
        {"%%z", "%%z"},
    };
    for (const auto& [in, expected] : cases)
        EXPECT_EQ(decodeSpecialCodes(std::string_view(in)), expected) << in;
}

std::vector<QString> paragraphTexts(const std::vector<MTextParagraph>& paragraphs) {
    std::vector<QString> out;
    for (const auto& p : paragraphs) {
        QString text;
        for (const auto& chunk : p)
            text += chunk.text;
        out.push_back(text);
    }
    return out;
}

TEST(MTextCodes, ParagraphsEscapesAndDroppedSwitches) {
    const MTextFormat base;
    const auto paragraphs =
        parseMText("\\LOne\\l\\PTwo\\~2\\\\\\{x\\}^JThree \\S1^2;\\A1;%%d\\U+4E2D", base, {});
    const std::vector<QString> expected = {"One", QString("Two") + QChar(0x00A0) + "2\\{x}",
                                           QString("Three 1/2") + QChar(0x00B0) + QChar(0x4E2D)};
    EXPECT_EQ(paragraphTexts(paragraphs), expected);
}

TEST(MTextCodes, GroupsScopeHeightWidthColourAndFont) {
    MTextFormat base;
    base.height = 2;
    int fontsAsked = 0;
    const FontResolver fonts = [&](const QString&, const QString& family, bool bold, bool) {
        ++fontsAsked;
        return std::uint16_t(family == "Arial" && bold ? 7 : 1);
    };
    const auto paragraphs =
        parseMText("a{\\H3x;\\W0.5;\\C1;b}c\\H1.5;d{\\fArial|b1|i0;e}\\c255;f", base, fonts);
    ASSERT_EQ(paragraphs.size(), 1u);
    const auto& chunks = paragraphs[0];
    ASSERT_EQ(chunks.size(), 6u);
    EXPECT_EQ(chunks[0].text, "a");
    EXPECT_EQ(chunks[0].format.height, 2);
    EXPECT_EQ(chunks[1].text, "b");
    EXPECT_EQ(chunks[1].format.height, 6);
    EXPECT_EQ(chunks[1].format.widthFactor, 0.5);
    EXPECT_EQ(chunks[1].format.color, Color::fromIndex(1));
    EXPECT_EQ(chunks[2].text, "c");
    EXPECT_EQ(chunks[2].format.height, 2);
    EXPECT_FALSE(chunks[2].format.color.has_value());
    EXPECT_EQ(chunks[3].format.height, 1.5);
    EXPECT_EQ(chunks[4].text, "e");
    EXPECT_EQ(chunks[4].format.font, 7);
    EXPECT_EQ(chunks[5].format.font, 0);
    EXPECT_EQ(chunks[5].format.color, Color::fromRgb(255, 0, 0));
    EXPECT_EQ(fontsAsked, 1);
}

TEST(MTextCodes, UnbalancedAndDeepGroupsAreHarmless) {
    const MTextFormat base;
    std::string deep(100000, '{');
    deep += "x";
    const auto paragraphs = parseMText(deep + "}}}}} \\H", base, {});
    EXPECT_EQ(paragraphTexts(paragraphs), std::vector<QString>{"x "});
}

struct WrapCase {
    const char* name;
    const char* content;
    double boxWidth;
    std::vector<QString> lines;
};

class MTextWrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(MTextWrapping, BreaksAtSpacesAndBetweenWideCharacters) {
    const WrapCase& c = GetParam();
    const FixedMeasure measure;
    const MTextFormat base; // height 1: a character is one unit wide
    const auto layout = layoutMText(parseMText(c.content, base, {}), c.boxWidth, 1, 1, measure);
    std::vector<QString> lines;
    double lastBaseline = 1;
    for (const MTextPiece& piece : layout.pieces) {
        if (piece.baseline != lastBaseline) {
            lines.push_back({});
            lastBaseline = piece.baseline;
            EXPECT_EQ(piece.x, 0) << "lines start at the left";
        }
        lines.back() += piece.text;
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(layout.lineCount, int(c.lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MTextWrapping,
    ::testing::Values(
        WrapCase{"noBox", "aaaa bbbb cccc", 0, {"aaaa bbbb cccc"}},
        WrapCase{"oneWordPerLine", "aaaa bbbb cccc", 8.9, {"aaaa ", "bbbb ", "cccc"}},
        // The space after "bbbb" does not count against the box.
        WrapCase{"trailingSpaceFree", "aaaa bbbb cccc", 9, {"aaaa bbbb ", "cccc"}},
        WrapCase{"longWordAlone", "a bbbbbbbbbbbb c", 5, {"a ", "bbbbbbbbbbbb ", "c"}},
        WrapCase{"paragraphs", "one\\Ptwo three", 20, {"one", "two three"}},
        WrapCase{"chinese",
                 "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97\xE7\xAC\xA6\xE6\xB5\x8B\xE8\xAF"
                 "\x95",
                 3.5,
                 {"\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97", "\xE7\xAC\xA6\xE6\xB5\x8B\xE8\xAF\x95"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MTextLayout, AttachmentPlacesTheBlockAndLinesAreFiveThirdsApart) {
    const FixedMeasure measure;
    MTextFormat base;
    base.height = 2;
    const auto paragraphs = parseMText("ab\\Pabcd", base, {});
    struct Case {
        int attachment;
        double firstX, secondX; // line starts
        double firstBaseline;
    };
    // Lines of widths 4 and 8 (height 2); second baseline 2 + 10/3 lower; the
    // block's height (first capital top to last baseline) is 2 + 10/3.
    const double height = 2 + 10.0 / 3;
    for (const Case c : {Case{1, 0, 0, -2}, Case{2, -2, -4, -2}, Case{3, -4, -8, -2},
                         Case{5, -2, -4, -2 + height / 2}, Case{9, -4, -8, -2 + height}}) {
        const auto layout = layoutMText(paragraphs, 0, 1, c.attachment, measure);
        ASSERT_EQ(layout.pieces.size(), 2u);
        EXPECT_NEAR(layout.pieces[0].x, c.firstX, 1e-12) << c.attachment;
        EXPECT_NEAR(layout.pieces[1].x, c.secondX, 1e-12) << c.attachment;
        EXPECT_NEAR(layout.pieces[0].baseline, c.firstBaseline, 1e-12) << c.attachment;
        EXPECT_NEAR(layout.pieces[0].baseline - layout.pieces[1].baseline, 10.0 / 3, 1e-12);
    }
}

struct AlignCase {
    const char* name;
    TextHAlign h;
    TextVAlign v;
    Vec2 alignment;
    Vec2 origin;     // where the baseline starts
    Vec2 advanceEnd; // where it ends
};

class TextAlignment : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignment, BaselineRunsWhereTheAlignmentSays) {
    const AlignCase& c = GetParam();
    const FixedMeasure measure; // "abcd" is 4 units, height 2: 8 wide
    TextData data;
    data.insertion = {1, 1, 0};
    data.alignmentPoint = {c.alignment.x, c.alignment.y, 0};
    data.height = 2;
    data.hAlign = c.h;
    data.vAlign = c.v;
    const PlacedText placed = placeText(data, "abcd", 0, measure);
    const Vec2 start = placed.toEntity.map(0, 0);
    const Vec2 end = placed.toEntity.map(placed.advance, 0);
    EXPECT_NEAR(start.x, c.origin.x, 1e-12);
    EXPECT_NEAR(start.y, c.origin.y, 1e-12);
    EXPECT_NEAR(end.x, c.advanceEnd.x, 1e-12);
    EXPECT_NEAR(end.y, c.advanceEnd.y, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextAlignment,
    ::testing::Values(
        AlignCase{"left", TextHAlign::Left, TextVAlign::Baseline, {0, 0}, {1, 1}, {9, 1}},
        AlignCase{"center", TextHAlign::Center, TextVAlign::Baseline, {10, 0}, {6, 0}, {14, 0}},
        AlignCase{"right", TextHAlign::Right, TextVAlign::Baseline, {10, 0}, {2, 0}, {10, 0}},
        AlignCase{"middle", TextHAlign::Middle, TextVAlign::Baseline, {10, 0}, {6, -1}, {14, -1}},
        AlignCase{"topRight", TextHAlign::Right, TextVAlign::Top, {10, 0}, {2, -2}, {10, -2}},
        AlignCase{
            "bottomLeft", TextHAlign::Left, TextVAlign::Bottom, {10, 0}, {10, 0.5}, {18, 0.5}},
        // Aligned and fit run from the insertion to the alignment point.
        AlignCase{"aligned", TextHAlign::Aligned, TextVAlign::Baseline, {1, 5}, {1, 1}, {1, 5}},
        AlignCase{"fit", TextHAlign::Fit, TextVAlign::Baseline, {17, 1}, {1, 1}, {17, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextAlignment, AlignedScalesHeightFitStretchesWidth) {
    const FixedMeasure measure;
    TextData data;
    data.insertion = {0, 0, 0};
    data.alignmentPoint = {16, 0, 0};
    data.height = 2;
    data.hAlign = TextHAlign::Aligned;
    const auto height = [&] {
        const PlacedText placed = placeText(data, "abcd", 0, measure);
        const Vec2 up = placed.toEntity.mapVector({0, 1});
        return std::hypot(up.x, up.y);
    };
    EXPECT_NEAR(height(), 4, 1e-12); // 4 characters over 16 units
    data.hAlign = TextHAlign::Fit;
    EXPECT_NEAR(height(), 2, 1e-12);
}

TEST(Fonts, ChineseFindsGlyphsBehindEveryFamily) {
    FontCatalog fonts;
    for (const auto& [file, family] : {std::pair<QString, QString>{"txt", ""},
                                       {"simplex.shx", ""},
                                       {"arial.ttf", ""},
                                       {"", "SimSun"}}) {
        const std::uint16_t id = fonts.fontFor(file, family);
        const QFontMetricsF metrics(fonts.font(id));
        for (const char16_t c : {u'\u4E2D', u'\u6587', u'\u56FE'})
            EXPECT_TRUE(metrics.inFont(QChar(c))) << file.toStdString() << family.toStdString();
        EXPECT_GT(fonts.advance(QString::fromUtf16(u"\u4E2D\u6587"), id), 1.5);
    }
    EXPECT_EQ(fonts.fontFor("TXT", ""), fonts.fontFor("txt", ""));
    EXPECT_EQ(FontCatalog::familyFor("arial.ttf", ""), "Arial");
    EXPECT_EQ(FontCatalog::familyFor("romans.shx", "Some Family"), "Some Family");
}

} // namespace
} // namespace cad::render
