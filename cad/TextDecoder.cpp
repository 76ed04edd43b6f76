#include "cad/TextDecoder.h"

#include "cad/Names.h"

#include <cerrno>
#include <charconv>

namespace cad {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool plainAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80 || c == '\\')
            return false;
    return true;
}

bool allAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

bool hexDigits(std::string_view text, std::size_t at, std::size_t count, unsigned& value) {
    if (at + count > text.size())
        return false;
    const char* first = text.data() + at;
    auto [ptr, ec] = std::from_chars(first, first + count, value, 16);
    return ec == std::errc() && ptr == first + count;
}

// The code pages of \M+N escapes, by N.
const char* multibyteCodePage(int digit) {
    switch (digit) {
    case 1:
        return "CP932";
    case 2:
        return "CP950";
    case 3:
        return "CP949";
    case 4:
        return "JOHAB";
    case 5:
        return "CP936";
    default:
        return nullptr;
    }
}

// Windows-1252 characters 0x80..0x9F; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

} // namespace

TextDecoder::TextDecoder() {
    multibyteConverters_.fill(iconv_t(-1));
}

TextDecoder::~TextDecoder() {
    if (converter_ != iconv_t(-1))
        iconv_close(converter_);
    for (iconv_t converter : multibyteConverters_)
        if (converter != iconv_t(-1))
            iconv_close(converter);
}

std::string TextDecoder::iconvName(std::string_view codePage) {
    const std::string name = upperName(codePage);
    auto digitsAfter = [&name](std::string_view prefix) -> std::string {
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            return {};
        const std::string digits = name.substr(prefix.size());
        for (char c : digits)
            if (c < '0' || c > '9')
                return {};
        return digits;
    };
    if (auto n = digitsAfter("ANSI_"); !n.empty())
        return "CP" + n;
    if (auto n = digitsAfter("DOS"); !n.empty())
        return "CP" + n;
    if (auto n = digitsAfter("ISO8859-"); !n.empty())
        return "ISO-8859-" + n;
    if (name == "BIG5" || name == "GB2312" || name == "JOHAB")
        return name;
    if (name == "KSC5601")
        return "CP949";
    if (name == "MACINTOSH")
        return "MACINTOSH";
    return {};
}

iconv_t TextDecoder::open(const std::string& name) {
    return iconv_open("UTF-8", name.c_str());
}

void TextDecoder::setCodePage(std::string_view codePage) {
    if (utf8Only_)
        return;
    const std::string name = iconvName(codePage);
    iconv_t converter = name.empty() ? iconv_t(-1) : open(name);
    if (converter == iconv_t(-1))
        converter = open("CP1252");
    if (converter_ != iconv_t(-1))
        iconv_close(converter_);
    converter_ = converter;
    utf8_ = false;
}

void TextDecoder::setUtf8() {
    utf8Only_ = true;
    utf8_ = true;
}

std::string_view TextDecoder::decode(std::string_view raw) {
    if (plainAscii(raw))
        return raw;
    std::string_view text = raw;
    if (!allAscii(raw)) {
        converted_.clear();
        if (utf8_ && validUtf8(raw))
            converted_.assign(raw);
        else if (!utf8_ && converter_ != iconv_t(-1))
            convert(raw, converter_, converted_);
        else
            appendLatin1252(raw, converted_);
        text = converted_;
    }
    if (text.find('\\') == std::string_view::npos)
        return text;
    expanded_.clear();
    expandEscapes(text, expanded_);
    return expanded_;
}

void TextDecoder::convert(std::string_view raw, iconv_t converter, std::string& out) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(raw.data());
    std::size_t inLeft = raw.size();
    char buffer[512];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, std::size_t(outPtr - buffer));
        if (result != std::size_t(-1))
            break;
        if (errno == E2BIG)
            continue;
        // An invalid or incomplete sequence: one replacement character per byte.
        appendUtf8(kReplacement, out);
        ++in;
        --inLeft;
    }
}

void TextDecoder::expandEscapes(std::string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const char kind = text[i + 1];
        unsigned code = 0;
        if (kind == '\\') { // an escaped backslash stays as it is
            out.append("\\\\");
            ++i;
        } else if ((kind == 'U' || kind == 'u') && i + 2 < text.size() && text[i + 2] == '+' &&
                   hexDigits(text, i + 3, 4, code)) {
            i += 6;
            unsigned low = 0;
            if (code >= 0xD800 && code < 0xDC00 && text.substr(i + 1, 3) == "\\U+" &&
                hexDigits(text, i + 4, 4, low) && low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 7;
            }
            appendUtf8(char32_t(code), out);
        } else if ((kind == 'M' || kind == 'm') && i + 3 < text.size() && text[i + 2] == '+' &&
                   multibyteCodePage(text[i + 3] - '0') && hexDigits(text, i + 4, 4, code)) {
            appendMultibyte(text[i + 3] - '0', code, out);
            i += 7;
        } else {
            out += c;
        }
    }
}

void TextDecoder::appendMultibyte(int codePageDigit, unsigned code, std::string& out) {
    iconv_t& converter = multibyteConverters_[std::size_t(codePageDigit - 1)];
    if (converter == iconv_t(-1))
        converter = open(multibyteCodePage(codePageDigit));
    if (converter == iconv_t(-1)) {
        appendUtf8(kReplacement, out);
        return;
    }
    const char bytes[2] = {char(code >> 8), char(code & 0xFF)};
    convert(std::string_view(bytes, 2), converter, out);
}

void TextDecoder::appendUtf8(char32_t c, std::string& out) {
    if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF || c == 0)
        c = kReplacement;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool TextDecoder::validUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        std::size_t extra = 0;
        char32_t value = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        if (std::size_t(end - p) <= extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[k] & 0x3F);
        }
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (value < kMinimum[extra] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000))
            return false;
        p += extra + 1;
    }
    return true;
}

void TextDecoder::appendLatin1252(std::string_view raw, std::string& out) {
    for (unsigned char c : raw) {
        if (c >= 0x80 && c < 0xA0)
            appendUtf8(kCp1252High[c - 0x80], out);
        else
            appendUtf8(c, out);
    }
}

} // namespace cad
