#include "cad/TextMetrics.h"

namespace cad {

namespace {

// Advances of the printable ASCII characters 0x20..0x7E in thousandths of an em,
// as in the usual Helvetica-like fonts.
constexpr unsigned short kAsciiAdvance[95] = {
    278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278, 333, 278, 278, // space../
    556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                               // 0..9
    278, 278, 584, 584, 584, 556, 1015,                                              // :..@
    667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833, 722, 778, 667, // A..P
    778, 722, 667, 611, 722, 667, 944,  667, 667, 611,                               // Q..Z
    278, 278, 278, 469, 556, 333,                                                    // [..`
    556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833, 556, 556, 556, // a..p
    556, 333, 500, 278, 556, 500, 722,  500, 500, 500,                               // q..z
    334, 260, 334, 584};                                                             // {..~

// The capital height of such fonts, in thousandths of an em.
constexpr double kCapHeight = 716;

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

double characterAdvance(char32_t c) {
    double advance = 556;
    if (c >= 0x20 && c <= 0x7E)
        advance = kAsciiAdvance[c - 0x20];
    else if (isWide(c))
        advance = 1000;
    return advance / kCapHeight;
}

double textAdvance(std::string_view utf8) {
    double total = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : (lead & (0x7F >> length));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        total += characterAdvance(c);
        i += length;
    }
    return total;
}

} // namespace cad
