#include "cad/render/FontCatalog.h"

#include <QFileInfo>
#include <QStringList>

namespace cad::render {
namespace {

// Behind every family, so that any script finds glyphs.
const QStringList& fallbackFamilies() {
    static const QStringList families = {"Noto Sans CJK SC", "WenQuanYi Zen Hei",
                                         "Droid Sans Fallback", "DejaVu Sans"};
    return families;
}

// Shape fonts are single-stroke fonts of the CAD program; a plain sans-serif
// face is the closest installed look.
constexpr const char* kShapeFontFamily = "DejaVu Sans";

} // namespace

QString FontCatalog::familyFor(const QString& fontFile, const QString& family) {
    if (!family.trimmed().isEmpty())
        return family.trimmed();
    const QFileInfo file(fontFile.trimmed());
    const QString suffix = file.suffix().toLower();
    if (suffix == "ttf" || suffix == "ttc" || suffix == "otf") {
        QString base = file.completeBaseName();
        if (!base.isEmpty())
            base[0] = base[0].toUpper();
        return base;
    }
    return kShapeFontFamily;
}

std::uint16_t FontCatalog::fontFor(const QString& fontFile, const QString& family, bool bold,
                                   bool italic) {
    const QString name = familyFor(fontFile, family);
    const QString key = name.toLower() + (bold ? "|b" : "|") + (italic ? "i" : "");
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].key == key)
            return std::uint16_t(i);
    if (fonts_.size() >= 0xFFFF)
        return 0;
    Entry entry;
    entry.key = key;
    QStringList families{name};
    families.append(fallbackFamilies());
    entry.font.setFamilies(families);
    entry.font.setPixelSize(kReferencePixelSize);
    entry.font.setBold(bold);
    entry.font.setItalic(italic);
    entry.font.setHintingPreference(QFont::PreferNoHinting);
    entry.metrics = QFontMetricsF(entry.font);
    const QFontMetricsF& metrics = entry.metrics;
    entry.capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : kReferencePixelSize * 0.7;
    entry.descent = metrics.descent() / entry.capHeight;
    fonts_.push_back(entry);
    return std::uint16_t(fonts_.size() - 1);
}

double FontCatalog::advance(const QString& text, std::uint16_t font) const {
    const Entry& entry = fonts_.at(font);
    return entry.metrics.horizontalAdvance(text) / entry.capHeight;
}

double FontCatalog::descent(std::uint16_t font) const {
    return fonts_.at(font).descent;
}

} // namespace cad::render
