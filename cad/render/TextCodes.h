#pragma once
// The control codes inside drawing texts: the %% codes of single-line text and
// the inline formatting of multi-line text.

#include "cad/Color.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace cad::render {

// Replaces %%d (degree sign), %%p (plus-minus), %%c (diameter), %%% and %%nnn
// (the character with that code) and drops the on/off switches %%u, %%o, %%k.
QString decodeSpecialCodes(std::string_view utf8);
QString decodeSpecialCodes(const QString& text);

// The formatting in force for a piece of multi-line text.
struct MTextFormat {
    double height = 1; // capital height in drawing units
    double widthFactor = 1;
    double oblique = 0; // radians
    std::uint16_t font = 0;
    std::optional<Color> color; // none: the entity's colour
};

struct MTextChunk {
    QString text;
    MTextFormat format;
};
using MTextParagraph = std::vector<MTextChunk>;

// Resolves a font named inline (a font file or a family) to a FontCatalog id.
using FontResolver = std::function<std::uint16_t(const QString& file, const QString& family,
                                                 bool bold, bool italic)>;

// Splits multi-line text content into paragraphs of uniformly formatted chunks.
// Handles \P, \N, \X and ^J breaks, { } groups, \H \W \Q \C \c \f \F \S, the
// escapes \\ \{ \} \~ and \U+XXXX, and drops the codes it does not draw (\L \l
// \O \o \K \k \T \A \p).
std::vector<MTextParagraph> parseMText(std::string_view content, const MTextFormat& base,
                                       const FontResolver& fonts);

} // namespace cad::render
