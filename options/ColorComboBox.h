#pragma once

#include <QColor>
#include <QComboBox>

#include <functional>
#include <optional>

// A drop-down list of colours: the sixteen standard colours as swatches, the colour last
// set or chosen when it is none of them, and "More Colors...", which opens a colour dialog
// preset to the current colour. Values are colour values as the settings hold them (red in
// the lowest byte, system colours with their flag), kept exactly as set.
class ColorComboBox : public QComboBox {
    Q_OBJECT
public:
    // Asks the user for a colour starting from `initial`; nothing when cancelled.
    using ColorChooser =
        std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    explicit ColorComboBox(QWidget* parent = nullptr);

    quint32 colorValue() const { return value_; }
    void setColorValue(quint32 value);
    // The dialog behind "More Colors..."; by default the desktop's colour dialog.
    void setColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }
    int moreColorsIndex() const { return count() - 1; }

signals:
    // The value changed, by the user or by setColorValue.
    void colorChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int indexOfValue(quint32 value) const;
    int customIndex() const;
    QIcon swatch(quint32 value) const;
    void addSwatch(int index, quint32 value);
    void refreshSwatches();
    void takeSelection(int index);
    void chooseMoreColors(int index);

    quint32 value_ = 0;
    ColorChooser chooser_;
};
