#pragma once
// The fonts texts are drawn in: a drawing's text styles name font files (shape
// fonts such as "txt" or "simplex.shx", TrueType files such as "arial.ttf") or
// font families; each maps to an installed family, with CJK families behind it
// so that Chinese, Japanese and Korean text finds its glyphs.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <cstdint>
#include <vector>

namespace cad::render {

// Measures texts in text units (the capital height is 1).
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double advance(const QString& text, std::uint16_t font) const = 0;
    // How far glyphs reach below the baseline, in text units.
    virtual double descent(std::uint16_t font) const = 0;
};

class FontCatalog : public TextMeasure {
public:
    // Fonts are set to this pixel size; the back end scales them.
    static constexpr int kReferencePixelSize = 64;

    // The id of the font for a style's font file and family name (either may be
    // empty), bold and italic as given.
    std::uint16_t fontFor(const QString& fontFile, const QString& family, bool bold = false,
                          bool italic = false);

    const QFont& font(std::uint16_t id) const { return fonts_[id].font; }
    // Capital height at kReferencePixelSize, in pixels.
    double capHeight(std::uint16_t id) const { return fonts_[id].capHeight; }
    std::size_t size() const { return fonts_.size(); }

    double advance(const QString& text, std::uint16_t font) const override;
    double descent(std::uint16_t font) const override;

    // The installed family a font file or family name maps to.
    static QString familyFor(const QString& fontFile, const QString& family);

private:
    struct Entry {
        QString key;
        QFont font;
        QFontMetricsF metrics{QFont()};
        double capHeight = 1;
        double descent = 0;
    };
    std::vector<Entry> fonts_;
};

} // namespace cad::render
