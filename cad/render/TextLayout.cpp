#include "cad/render/TextLayout.h"

#include <algorithm>
#include <cmath>

namespace cad::render {
namespace {

// Capital height 1, width factor and slant applied.
Affine2 glyphFrame(double height, double widthFactor, double oblique) {
    const double slant = std::tan(std::clamp(oblique, -1.4, 1.4));
    return {height * widthFactor, 0, height * slant, height, 0, 0};
}

double positiveOr(double value, double fallback) {
    return value > 0 && std::isfinite(value) ? value : fallback;
}

} // namespace

PlacedText placeText(const TextData& data, const QString& text, std::uint16_t font,
                     const TextMeasure& measure) {
    double height = positiveOr(data.height, 1);
    double widthFactor = positiveOr(data.widthFactor, 1);
    double rotation = std::isfinite(data.rotation) ? data.rotation : 0;
    const double advance = measure.advance(text, font);
    const Vec2 insertion{data.insertion.x, data.insertion.y};
    const Vec2 alignment{data.alignmentPoint.x, data.alignmentPoint.y};
    Vec2 anchor = alignment;
    double dx = 0, dy = 0;
    const auto fitBetweenPoints = [&](bool keepHeight) {
        anchor = insertion;
        const Vec2 span{alignment.x - insertion.x, alignment.y - insertion.y};
        const double length = std::hypot(span.x, span.y);
        if (length == 0 || advance <= 0)
            return;
        rotation = std::atan2(span.y, span.x);
        if (keepHeight)
            widthFactor = length / (advance * height);
        else
            height = length / (advance * widthFactor);
    };
    switch (data.hAlign) {
    case TextHAlign::Left:
        anchor = data.vAlign == TextVAlign::Baseline ? insertion : alignment;
        break;
    case TextHAlign::Center:
    case TextHAlign::Middle:
        dx = -advance * height * widthFactor / 2;
        break;
    case TextHAlign::Right:
        dx = -advance * height * widthFactor;
        break;
    case TextHAlign::Aligned:
        fitBetweenPoints(false);
        break;
    case TextHAlign::Fit:
        fitBetweenPoints(true);
        break;
    }
    const bool betweenPoints = data.hAlign == TextHAlign::Aligned || data.hAlign == TextHAlign::Fit;
    if (data.hAlign == TextHAlign::Middle)
        dy = -height / 2;
    else if (!betweenPoints && data.vAlign == TextVAlign::Bottom)
        dy = measure.descent(font) * height;
    else if (!betweenPoints && data.vAlign == TextVAlign::Middle)
        dy = -height / 2;
    else if (!betweenPoints && data.vAlign == TextVAlign::Top)
        dy = -height;
    const Affine2 mirror = Affine2::scaling(data.backward ? -1 : 1, data.upsideDown ? -1 : 1);
    PlacedText placed;
    placed.advance = advance;
    placed.toEntity = Affine2::translation(anchor.x, anchor.y) * Affine2::rotation(rotation) *
                      mirror * Affine2::translation(dx, dy) *
                      glyphFrame(height, widthFactor, data.oblique);
    return placed;
}

Affine2 pieceTransform(const MTextPiece& piece) {
    return Affine2::translation(piece.x, piece.baseline) *
           glyphFrame(piece.format.height, piece.format.widthFactor, piece.format.oblique);
}

namespace {

bool isWideCharacter(QChar c) {
    // CJK scripts break between any two characters.
    return c.unicode() >= 0x2E80;
}

// Splits a chunk into the pieces lines may break after: a word with the spaces
// that follow it, or a single wide character.
std::vector<QString> breakablePieces(const QString& text) {
    std::vector<QString> pieces;
    QString current;
    bool inSpaces = false;
    for (const QChar c : text) {
        if (isWideCharacter(c)) {
            if (!current.isEmpty())
                pieces.push_back(current);
            pieces.push_back(QString(c));
            current.clear();
            inSpaces = false;
            continue;
        }
        const bool space = c == ' ';
        if (!space && inSpaces) {
            pieces.push_back(current);
            current.clear();
        }
        inSpaces = space;
        current += c;
    }
    if (!current.isEmpty())
        pieces.push_back(current);
    return pieces;
}

struct Line {
    std::vector<MTextPiece> pieces;
    double width = 0;        // without trailing spaces
    double widthWithEnd = 0; // where the next piece would start
    double maxHeight = 0;
};

class LineBreaker {
public:
    LineBreaker(double boxWidth, const TextMeasure& measure)
        : boxWidth_(boxWidth), measure_(measure) {}

    void addParagraph(const MTextParagraph& paragraph) {
        lines_.emplace_back();
        for (const MTextChunk& chunk : paragraph)
            for (const QString& piece : breakablePieces(chunk.text))
                add(piece, chunk.format);
        if (lines_.back().maxHeight == 0 && !paragraph.empty())
            lines_.back().maxHeight = paragraph.front().format.height;
    }
    std::vector<Line>& lines() { return lines_; }

private:
    double worldAdvance(const QString& text, const MTextFormat& f) const {
        return measure_.advance(text, f.font) * f.height * f.widthFactor;
    }

    void add(const QString& piece, const MTextFormat& format) {
        const double full = worldAdvance(piece, format);
        const qsizetype visible = piece.size() - trailingSpaces(piece);
        const double visibleWidth =
            visible == piece.size() ? full : worldAdvance(piece.left(visible), format);
        Line* line = &lines_.back();
        if (boxWidth_ > 0 && !line->pieces.empty() &&
            line->widthWithEnd + visibleWidth > boxWidth_ * (1 + 1e-9))
            line = &lines_.emplace_back();
        append(*line, piece, format, full, visibleWidth);
    }

    static qsizetype trailingSpaces(const QString& s) {
        qsizetype n = 0;
        while (n < s.size() && s[s.size() - 1 - n] == ' ')
            ++n;
        return n;
    }

    void append(Line& line, const QString& piece, const MTextFormat& format, double full,
                double visibleWidth) {
        line.maxHeight = std::max(line.maxHeight, format.height);
        const double start = line.widthWithEnd;
        line.width = start + visibleWidth;
        line.widthWithEnd = start + full;
        // Pieces of one format run on in one piece, so that they draw as one text.
        if (!line.pieces.empty() && sameFormat(line.pieces.back().format, format)) {
            MTextPiece& last = line.pieces.back();
            last.text += piece;
            last.advance += full / (format.height * format.widthFactor);
            return;
        }
        MTextPiece p;
        p.text = piece;
        p.format = format;
        p.x = start;
        p.advance = full / (format.height * format.widthFactor);
        line.pieces.push_back(std::move(p));
    }

    static bool sameFormat(const MTextFormat& a, const MTextFormat& b) {
        return a.height == b.height && a.widthFactor == b.widthFactor && a.oblique == b.oblique &&
               a.font == b.font && a.color == b.color;
    }

    double boxWidth_;
    const TextMeasure& measure_;
    std::vector<Line> lines_;
};

} // namespace

MTextLayout layoutMText(const std::vector<MTextParagraph>& paragraphs, double boxWidth,
                        double lineSpacing, int attachment, const TextMeasure& measure) {
    LineBreaker breaker(boxWidth, measure);
    for (const MTextParagraph& paragraph : paragraphs)
        breaker.addParagraph(paragraph);
    std::vector<Line>& lines = breaker.lines();
    const double spacing = positiveOr(lineSpacing, 1);
    const int column = (std::clamp(attachment, 1, 9) - 1) % 3;
    const int row = (std::clamp(attachment, 1, 9) - 1) / 3;

    MTextLayout layout;
    layout.lineCount = int(lines.size());
    for (const Line& line : lines)
        layout.width = std::max(layout.width, line.width);
    const double blockWidth = boxWidth > 0 ? boxWidth : layout.width;
    const double blockLeft = -blockWidth * column / 2;
    double baseline = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        baseline -= i == 0 ? line.maxHeight : line.maxHeight * 5.0 / 3.0 * spacing;
        const double left = blockLeft + (blockWidth - line.width) * column / 2;
        for (const MTextPiece& piece : line.pieces) {
            MTextPiece placed = piece;
            placed.x += left;
            placed.baseline = baseline;
            layout.pieces.push_back(std::move(placed));
        }
    }
    // The block's height runs from the first capital top to the last baseline.
    const double blockHeight = -baseline;
    for (MTextPiece& piece : layout.pieces)
        piece.baseline += blockHeight * row / 2;
    return layout;
}

} // namespace cad::render
