#include "options/SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Long enough for any number of the ranges the program uses, with a fraction; short enough
// that no typed intermediate value can overflow the layouts it is applied to.
constexpr int kMaxTextLength = 5;

std::optional<double> numberIn(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

SpinEdit::SpinEdit(int minimum, int maximum, int blankValue, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), blankValue_(blankValue) {
    lineEdit()->setMaxLength(kMaxTextLength);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::changed);
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinEdit::settleInRange);
}

int SpinEdit::value() const {
    const QString text = lineEdit()->text();
    if (text.trimmed().isEmpty())
        return blankValue_;
    const std::optional<double> number = numberIn(text);
    return number ? int(std::lround(*number)) : minimum_;
}

void SpinEdit::setValue(int value) {
    lineEdit()->setText(QString::number(clamped(value)));
}

int SpinEdit::clamped(int value) const {
    return std::clamp(value, minimum_, maximum_);
}

void SpinEdit::stepBy(int steps) {
    const qint64 stepped = qint64(value()) + steps;
    setValue(int(std::clamp<qint64>(stepped, minimum_, maximum_)));
    selectAll();
}

// A step from a value outside the range lands on the range's nearest end.
QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() != maximum_)
        enabled |= StepUpEnabled;
    if (value() != minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

// Signs, digits and a decimal point may be typed; a text made of them that is no number
// (a lone sign) reads as the low end of the range.
QValidator::State SpinEdit::validate(QString& input, int&) const {
    static const QRegularExpression numberChars(QStringLiteral("^\\s*[+-]?\\d*\\.?\\d*\\s*$"));
    return numberChars.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

// A blank text stays blank; anything else is shown as the value it stands for, within the
// range.
void SpinEdit::settleInRange() {
    const QString text = lineEdit()->text();
    if (text.trimmed().isEmpty())
        return;
    const int settled = clamped(value());
    if (text != QString::number(settled))
        setValue(settled);
}
