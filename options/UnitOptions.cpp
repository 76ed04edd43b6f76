// The options dialog's life and its handlers: each applies its control's value to the
// window's component and to the field that keeps the setting.
#include "options/UnitOptions.h"
#include "options/ColorComboBox.h"
#include "options/SpinEdit.h"
#include "platform/Colors.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"
#include "viewer/DDVue.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <memory>

TFrmOptions* FrmOptions = nullptr;

namespace {

const QString kDrawingFilter = QStringLiteral("*.dwg;*.dxf");
// A size item that does not begin with a number stands for the usual width.
constexpr int kFallbackWidth = 80;

void centreOnScreen(QWidget* dialog) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect bounds(QPoint(), dialog->size());
        bounds.moveCenter(screen->availableGeometry().center());
        dialog->move(bounds.topLeft());
    }
}

} // namespace

TFrmOptions::TFrmOptions(OptionsTarget target, QWidget* parent)
    : QDialog(parent), target(std::move(target)) {
    buildForm();
    connectHandlers();
    FormCreate();
}

void ShowOptionsDialog(const OptionsTarget& target, QWidget* parent) {
    auto dialog = std::make_unique<TFrmOptions>(target, parent);
    FrmOptions = dialog.get();
    dialog->FillControls();
    centreOnScreen(dialog.get());
    dialog->exec();
    FrmOptions = nullptr;
}

void TFrmOptions::FormCreate() {
    Filling = true;
    if (target.ChineseUI)
        ApplyChineseTexts();
}

void TFrmOptions::connectHandlers() {
    connect(BtnClose, &QPushButton::clicked, this, &TFrmOptions::BtnCloseClick);
    connect(RzCheckBox1, &QCheckBox::toggled, this, &TFrmOptions::RzCheckBox1Click);
    connect(RzCheckBox2, &QCheckBox::toggled, this, &TFrmOptions::RzCheckBox2Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFrmOptions::ComboBox1Change);
    connect(ComboBoxBorderColor, &ColorComboBox::colorChanged, this,
            &TFrmOptions::ComboBoxBorderColorChange);
    connect(ComboBoxBackColor, &ColorComboBox::colorChanged, this,
            &TFrmOptions::ComboBoxBackColorChange);
    connect(SpinEdit4, &SpinEdit::changed, this, &TFrmOptions::SpinEdit4Change);
    connect(SpinEdit5, &SpinEdit::changed, this, &TFrmOptions::SpinEdit5Change);
    connect(RzRadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RzRadioGroup1Click();
    });
    connect(RzColorEdit1, &ColorComboBox::colorChanged, this, &TFrmOptions::RzColorEdit1Change);
}

void TFrmOptions::FillControls() {
    Filling = true;
    RzCheckBox1->setChecked(!target.LoadAllFile);
    RzCheckBox2->setChecked(target.ShowHidden);
    const QString size = QStringLiteral("%1 x %1").arg(target.ThumbW);
    ComboBox1->setCurrentIndex(
        ComboBox1->findText(size, Qt::MatchExactly | Qt::MatchCaseSensitive));
    ComboBoxBorderColor->setColorValue(target.ThumbBorderColor);
    ComboBoxBackColor->setColorValue(target.ThumbBackColor);
    SpinEdit4->setValue(target.ThumbSpaceW);
    SpinEdit5->setValue(target.ThumbSpaceH);
    if (QAbstractButton* style = RzRadioGroup1Items->button(target.ThumbBorderType))
        style->setChecked(true);
    RzColorEdit1->setColorValue(target.BkColor);
    Filling = false;
}

void TFrmOptions::BtnCloseClick() {
    close();
}

// The grid follows the list only when the list's content changed and the grid is in front.
void TFrmOptions::refreshIfCountChanged(int countBefore) {
    if (target.ShellListFiles.itemCount() != countBefore && target.ThumbnailMode == 1)
        target.RefreshThumbnails();
}

void TFrmOptions::RzCheckBox1Click() {
    if (Filling)
        return;
    const int countBefore = target.ShellListFiles.itemCount();
    const bool onlyDrawings = RzCheckBox1->isChecked();
    target.ShellListFiles.setFileFilter(onlyDrawings ? kDrawingFilter : QString());
    target.LoadAllFile = !onlyDrawings;
    refreshIfCountChanged(countBefore);
}

void TFrmOptions::RzCheckBox2Click() {
    if (Filling)
        return;
    const int countBefore = target.ShellListFiles.itemCount();
    const bool showHidden = RzCheckBox2->isChecked();
    int options =
        ShellList::AutoFill | ShellList::DefaultKeyHandling | ShellList::FilesCanBeFolders;
    if (showHidden)
        options |= ShellList::ShowHidden;
    target.ShellListFiles.setOptions(options);
    target.ShowHidden = showHidden;
    refreshIfCountChanged(countBefore);
}

void TFrmOptions::ComboBox1Change() {
    if (Filling)
        return;
    const QString text = ComboBox1->currentText();
    const qsizetype cross = text.indexOf(u'x');
    if (cross < 0)
        return;
    bool isNumber = false;
    int width = text.left(cross).trimmed().toInt(&isNumber);
    if (!isNumber)
        width = kFallbackWidth;
    target.ShellThumbFiles.setThumbWidth(width);
    target.ShellThumbFiles.setThumbHeight(width + 20);
    target.ThumbW = width;
}

void TFrmOptions::ComboBoxBorderColorChange() {
    if (Filling)
        return;
    const quint32 color = ComboBoxBorderColor->colorValue();
    target.ShellThumbFiles.setThumbnailsBorderColor(colorFromValue(color));
    target.ShellThumbFiles.viewport()->update();
    target.ThumbBorderColor = color;
}

// The grid takes the new colour when it next paints; nothing asks it to.
void TFrmOptions::ComboBoxBackColorChange() {
    if (Filling)
        return;
    const quint32 color = ComboBoxBackColor->colorValue();
    target.ShellThumbFiles.setThumbnailsBackground(colorFromValue(color));
    target.ThumbBackColor = color;
}

void TFrmOptions::SpinEdit4Change() {
    if (Filling)
        return;
    const int space = SpinEdit4->value();
    target.ShellThumbFiles.setHorizBorder(space);
    target.ThumbSpaceW = space;
}

void TFrmOptions::SpinEdit5Change() {
    if (Filling)
        return;
    const int space = SpinEdit5->value();
    target.ShellThumbFiles.setVertBorder(space);
    target.ThumbSpaceH = space;
}

void TFrmOptions::RzRadioGroup1Click() {
    if (Filling)
        return;
    target.ThumbBorderType = quint8(RzRadioGroup1Items->checkedId());
    target.ShellThumbFiles.viewport()->update();
}

// The view may refuse the colour; the setting is kept all the same.
void TFrmOptions::RzColorEdit1Change() {
    if (Filling)
        return;
    target.BkColor = RzColorEdit1->colorValue();
    try {
        target.DDVue1.setBackColor(target.BkColor);
    } catch (const std::exception&) {
    }
}
