// Texts: single-line texts, attributes and their definitions, multi-line texts.

#include "cad/render/FrontEnd.h"
#include "cad/render/TextCodes.h"
#include "cad/render/TextLayout.h"

#include <cmath>

namespace cad::render {
namespace {

QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The outline of a run in world coordinates: from below the baseline to above
// the capitals (accents and the like reach higher).
Box2 runBox(const Affine2& toWorld, double advance, double descent) {
    Box2 box;
    for (const Vec2& corner :
         {Vec2{0, -descent}, Vec2{advance, -descent}, Vec2{0, 1.3}, Vec2{advance, 1.3}})
        box.add(toWorld.map(corner));
    return box;
}

} // namespace

std::uint16_t FrontEnd::styleFont(TextStyleIndex style) {
    if (style >= drawing_.textStyles.size())
        style = kTextStyleStandard;
    if (styleFonts_[style] < 0) {
        const TextStyle& s = drawing_.textStyles[style];
        styleFonts_[style] =
            fonts_.fontFor(qtext(drawing_.text(s.fontFile)), qtext(drawing_.text(s.fontFamily)));
    }
    return std::uint16_t(styleFonts_[style]);
}

double FrontEnd::styleHeight(TextStyleIndex style, double height) const {
    if (height > 0 && std::isfinite(height))
        return height;
    if (style < drawing_.textStyles.size() && drawing_.textStyles[style].fixedHeight > 0)
        return drawing_.textStyles[style].fixedHeight;
    return 1;
}

void FrontEnd::emitTextRun(const QString& text, std::uint16_t font, const Affine2& toWorld,
                           double advance, const Pen& pen) {
    if (text.trimmed().isEmpty())
        return;
    TextRun run;
    run.text = text;
    run.toWorld = toWorld;
    run.font = font;
    run.advance = advance;
    const Box2 box = runBox(toWorld, advance, fonts_.descent(font));
    emitter_.text(std::move(run), box, pen);
}

void FrontEnd::drawTextData(const TextData& data, std::string_view content,
                            const EntityProps& props, const Context& ctx) {
    const QString text = decodeSpecialCodes(content);
    const std::uint16_t font = styleFont(data.style);
    TextData sized = data;
    sized.height = styleHeight(data.style, data.height);
    const PlacedText placed = placeText(sized, text, font, fonts_);
    emitTextRun(text, font, entityFrame(props, ctx, data.insertion.z) * placed.toEntity,
                placed.advance, penFor(props, ctx));
}

void FrontEnd::drawEntity(const Text& e, const Context& ctx) {
    drawTextData(e.text, drawing_.text(e.text.content), e.props, ctx);
}

void FrontEnd::drawEntity(const Attrib& e, const Context& ctx) {
    if (!(e.flags & 1))
        drawTextData(e.text, drawing_.text(e.text.content), e.props, ctx);
}

void FrontEnd::drawEntity(const AttDef& e, const Context& ctx) {
    // In a block reference only constant attributes show (the others come as
    // ATTRIBs of the reference); on their own, definitions show their tag.
    if (e.flags & 1)
        return;
    if (!ctx.inBlock)
        drawTextData(e.text, drawing_.text(e.tag), e.props, ctx);
    else if (e.flags & 2)
        drawTextData(e.text, drawing_.text(e.text.content), e.props, ctx);
}

void FrontEnd::drawEntity(const MText& e, const Context& ctx) {
    MTextFormat base;
    base.height = styleHeight(e.style, e.height);
    base.font = styleFont(e.style);
    if (e.style < drawing_.textStyles.size()) {
        const TextStyle& style = drawing_.textStyles[e.style];
        base.widthFactor = style.widthFactor > 0 ? style.widthFactor : 1;
        base.oblique = style.oblique;
    }
    const FontResolver resolve = [this](const QString& file, const QString& family, bool bold,
                                        bool italic) {
        return fonts_.fontFor(file, family, bold, italic);
    };
    const auto paragraphs = parseMText(drawing_.text(e.content), base, resolve);
    const MTextLayout layout =
        layoutMText(paragraphs, e.rectWidth, e.lineSpacingFactor, e.attachment, fonts_);
    const double angle = std::atan2(e.direction.y, e.direction.x);
    const Affine2 frame = ctx.toWorld * Affine2::translation(e.insertion.x, e.insertion.y) *
                          Affine2::rotation(std::isfinite(angle) ? angle : 0);
    const Pen pen = penFor(e.props, ctx);
    const LayerIndex layer = effectiveLayer(e.props, ctx);
    for (const MTextPiece& piece : layout.pieces) {
        Pen piecePen = pen;
        if (piece.format.color)
            piecePen.ink = inkFor(*piece.format.color, layer, ctx);
        emitTextRun(piece.text, piece.format.font, frame * pieceTransform(piece), piece.advance,
                    piecePen);
    }
}

} // namespace cad::render
