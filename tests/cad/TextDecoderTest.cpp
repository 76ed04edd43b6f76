#include "cad/TextDecoder.h"

#include <gtest/gtest.h>

TEST(TextDecoder, DecodesTheCodePageOfOldReleases) {
    struct Case {
        const char* codePage;
        std::string raw;
        std::string utf8;
    };
    const Case cases[] = {
        {"ANSI_936", "\xd6\xd0\xce\xc4", "中文"}, {"ANSI_950", "\xa4\xa4\xa4\xe5", "中文"},
        {"ANSI_932", "\x93\xfa\x96\x7b", "日本"}, {"ANSI_1252", "caf\xe9 \x80", "café €"},
        {"ANSI_1251", "\xcf\xf0\xe8", "При"},     {"DOS850", "\x82", "é"},
        {"no such page", "caf\xe9", "café"},
    };
    for (const auto& c : cases) {
        cad::TextDecoder decoder;
        decoder.setCodePage(c.codePage);
        EXPECT_EQ(decoder.decode(c.raw), c.utf8) << c.codePage;
    }
}

TEST(TextDecoder, TakesUtf8FromRelease2007OnWhateverTheCodePage) {
    cad::TextDecoder decoder;
    decoder.setUtf8();
    decoder.setCodePage("ANSI_936");
    EXPECT_EQ(decoder.decode("中文 ok"), "中文 ok");
    // Bytes that are not UTF-8 still give readable text.
    EXPECT_EQ(decoder.decode("caf\xe9"), "café");
}

TEST(TextDecoder, ExpandsUnicodeAndMultibyteEscapes) {
    struct Case {
        std::string raw;
        std::string utf8;
    };
    const Case cases[] = {
        {"\\U+4E2D\\U+6587", "中文"},
        {"x\\u+00b0y", "x°y"},
        {"\\U+D83D\\U+DE00", "\xF0\x9F\x98\x80"},
        {"\\U+D83D alone", "\xEF\xBF\xBD alone"},
        {"\\M+5D6D0", "中"},
        {"\\U+12", "\\U+12"},
        {"\\\\U+4E2D", "\\\\U+4E2D"},
        {"C:\\dir", "C:\\dir"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        cad::TextDecoder decoder;
        decoder.setCodePage("ANSI_1252");
        EXPECT_EQ(decoder.decode(c.raw), c.utf8) << c.raw;
    }
}

TEST(TextDecoder, ReplacesInvalidBytesOfTheCodePage) {
    cad::TextDecoder decoder;
    decoder.setCodePage("ANSI_936");
    // A lead byte without its trail byte at the end of the text.
    EXPECT_EQ(decoder.decode("a\xd6"), "a\xEF\xBF\xBD");
}
