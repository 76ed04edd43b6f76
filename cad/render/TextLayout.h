#pragma once
// Where the pieces of a text go: single-line text by its alignment, multi-line
// text broken into lines (at the box width when it has one) and placed by its
// attachment point.

#include "cad/Entities.h"
#include "cad/render/Affine2.h"
#include "cad/render/FontCatalog.h"
#include "cad/render/TextCodes.h"

#include <QString>

#include <vector>

namespace cad::render {

// One single-line text as drawn: the map from text space (baseline along x,
// capital height 1) to the text's own coordinate system.
struct PlacedText {
    Affine2 toEntity;
    double advance = 0; // in text units
};

// Places `text` (decoded) by the alignment, height, width factor, oblique
// angle, rotation and mirroring of `data`.
PlacedText placeText(const TextData& data, const QString& text, std::uint16_t font,
                     const TextMeasure& measure);

// A run of multi-line text on one line, in the text's frame: x along the text
// direction from the insertion point, y up.
struct MTextPiece {
    QString text;
    MTextFormat format;
    double x = 0;
    double baseline = 0;
    double advance = 0; // in text units
};

struct MTextLayout {
    std::vector<MTextPiece> pieces;
    int lineCount = 0;
    double width = 0;
};

// Lays out paragraphs: lines break at spaces and between CJK characters where
// `boxWidth` > 0 would be exceeded; consecutive baselines are 5/3 of the line's
// largest height times `lineSpacing` apart; `attachment` 1..9 (top left ...
// bottom right) places the block relative to the insertion point.
MTextLayout layoutMText(const std::vector<MTextParagraph>& paragraphs, double boxWidth,
                        double lineSpacing, int attachment, const TextMeasure& measure);

// The map from the text space of a piece (capital height 1) to its frame.
Affine2 pieceTransform(const MTextPiece& piece);

} // namespace cad::render
