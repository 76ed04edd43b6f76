#pragma once
// Turns the bytes of DXF text values into UTF-8: the drawing's code page for
// files before release 2007 (through iconv), UTF-8 after, and in both the
// \U+XXXX and \M+NXXXX escapes for characters outside the code page.

#include <iconv.h>

#include <array>
#include <string>
#include <string_view>

namespace cad {

class TextDecoder {
public:
    // Starts as UTF-8 (with a Windows-1252 fall-back for invalid bytes).
    TextDecoder();
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // `codePage` as $DWGCODEPAGE gives it ("ANSI_936", "ANSI_1252", "DOS850",
    // ...); unknown names leave Windows-1252. Ignored once setUtf8() was called.
    void setCodePage(std::string_view codePage);
    // Release 2007 and later store UTF-8 whatever the code page says.
    void setUtf8();

    // The UTF-8 text of `raw`: raw itself when nothing needs changing, or a view
    // of an internal buffer valid until the next call.
    std::string_view decode(std::string_view raw);

    // The iconv name of a $DWGCODEPAGE value, or "" when it is not known.
    static std::string iconvName(std::string_view codePage);

private:
    void convert(std::string_view raw, iconv_t converter, std::string& out);
    void expandEscapes(std::string_view text, std::string& out);
    void appendMultibyte(int codePageDigit, unsigned code, std::string& out);
    static void appendUtf8(char32_t c, std::string& out);
    static bool validUtf8(std::string_view text);
    static void appendLatin1252(std::string_view raw, std::string& out);
    iconv_t open(const std::string& name);

    bool utf8_ = true;      // take bytes as UTF-8 (falling back to Windows-1252)
    bool utf8Only_ = false; // the release stores UTF-8: code pages are ignored
    iconv_t converter_ = iconv_t(-1);
    // The converters of the \M+N escapes, N = 1..5, opened when first needed.
    std::array<iconv_t, 5> multibyteConverters_;
    std::string converted_;
    std::string expanded_;
};

} // namespace cad
