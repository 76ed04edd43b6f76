#pragma once

#include <QAbstractSpinBox>

// A whole-number edit with spin buttons whose text may be typed freely. Its value is the
// text read as a number and rounded: a blank text gives the blank value, a text that is not
// a number the low end of the range. While the user types, every intermediate number is the
// value, also outside the range; when the edit loses the focus (or Enter is pressed), a
// number outside the range is replaced by the nearest end. The spin buttons, arrow keys and
// the wheel stay within the range.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    SpinEdit(int minimum, int maximum, int blankValue, QWidget* parent = nullptr);

    // The edit field, for selecting and typing into it.
    using QAbstractSpinBox::lineEdit;
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const;
    // Shows the value, at the nearest end of the range when it lies outside.
    void setValue(int value);
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // On every change of the text, typed or set.
    void changed();

protected:
    StepEnabled stepEnabled() const override;

private:
    int clamped(int value) const;
    void settleInRange();

    int minimum_;
    int maximum_;
    int blankValue_;
};
