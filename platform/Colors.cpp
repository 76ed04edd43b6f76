#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace {

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour indices in their customary numbering, each with the palette entry that
// plays the same part on this desktop.
constexpr std::array<SystemColor, 31> kSystemColors{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    {QPalette::Active, QPalette::Window},            // 25 unused
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

QColor systemColor(quint32 index) {
    if (index >= kSystemColors.size()) {
        return QColor(Qt::black);
    }
    const SystemColor& entry = kSystemColors[index];
    return QGuiApplication::palette().color(entry.group, entry.role);
}

} // namespace

QColor colorFromValue(quint32 value) {
    if ((value & 0xFF000000u) == kSystemColorFlag) {
        return systemColor(value & 0xFFu);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

quint32 valueFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}
