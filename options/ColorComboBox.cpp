#include "options/ColorComboBox.h"

#include "platform/Colors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

// Black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime, yellow, blue,
// fuchsia, aqua and white, red in the lowest byte.
constexpr quint32 kStandardColors[] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
constexpr int kStandardCount = int(std::size(kStandardColors));
constexpr int kValueRole = Qt::UserRole;
constexpr int kSwatchHeight = 12;
// Room the drop-down arrow and the frame take beside a swatch.
constexpr int kArrowRoom = 30;

std::optional<QColor> askDesktop(const QColor& initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace

ColorComboBox::ColorComboBox(QWidget* parent) : QComboBox(parent), chooser_(askDesktop) {
    for (int i = 0; i < kStandardCount; ++i)
        addSwatch(i, kStandardColors[i]);
    addItem(QStringLiteral("More Colors..."));
    setCurrentIndex(0);
    connect(this, &QComboBox::currentIndexChanged, this, &ColorComboBox::takeSelection);
    connect(this, &QComboBox::activated, this, &ColorComboBox::chooseMoreColors);
}

QIcon ColorComboBox::swatch(quint32 value) const {
    QPixmap picture(std::max(1, iconSize().width()), kSwatchHeight);
    picture.fill(colorFromValue(value));
    QPainter(&picture).drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return QIcon(picture);
}

void ColorComboBox::addSwatch(int index, quint32 value) {
    insertItem(index, swatch(value), QString(), QVariant::fromValue(value));
}

void ColorComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    const QSize size(std::max(kSwatchHeight, width() - kArrowRoom), kSwatchHeight);
    if (size != iconSize()) {
        setIconSize(size);
        refreshSwatches();
    }
}

void ColorComboBox::refreshSwatches() {
    for (int i = 0; i < moreColorsIndex(); ++i)
        setItemIcon(i, swatch(itemData(i, kValueRole).value<quint32>()));
}

int ColorComboBox::indexOfValue(quint32 value) const {
    for (int i = 0; i < moreColorsIndex(); ++i)
        if (itemData(i, kValueRole).value<quint32>() == value)
            return i;
    return -1;
}

// The entry of a colour outside the standard ones, between them and "More Colors...".
int ColorComboBox::customIndex() const {
    return moreColorsIndex() > kStandardCount ? kStandardCount : -1;
}

void ColorComboBox::setColorValue(quint32 value) {
    int index = indexOfValue(value);
    if (index < 0) {
        if (customIndex() >= 0)
            removeItem(customIndex());
        addSwatch(kStandardCount, value);
        index = kStandardCount;
    }
    setCurrentIndex(index);
    takeSelection(index);
}

void ColorComboBox::takeSelection(int index) {
    if (index < 0 || index == moreColorsIndex())
        return;
    const quint32 value = itemData(index, kValueRole).value<quint32>();
    if (value == value_)
        return;
    value_ = value;
    emit colorChanged();
}

void ColorComboBox::chooseMoreColors(int index) {
    if (index != moreColorsIndex())
        return;
    const std::optional<QColor> chosen = chooser_(colorFromValue(value_), this);
    if (chosen) {
        setColorValue(valueFromColor(*chosen));
    } else {
        const QSignalBlocker quiet(this);
        setCurrentIndex(indexOfValue(value_));
    }
}
