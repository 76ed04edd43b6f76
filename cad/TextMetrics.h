#pragma once
// Text widths without fonts: the advance of each character in a proportional
// font of common metrics, in units of the text height (the capital height, as
// drawings give it). Close enough for extents and layout estimates; the
// renderer measures with the real fonts.

#include <string_view>

namespace cad {

// The advance of one character (a Unicode code point).
double characterAdvance(char32_t c);
// The advance of UTF-8 text, drawn as it stands (no control codes).
double textAdvance(std::string_view utf8);

} // namespace cad
