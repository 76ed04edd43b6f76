#include "OptionsFixture.h"

#include "options/ColorComboBox.h"
#include "options/SpinEdit.h"
#include "tests/InterfaceTextWalk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

using Dialog = OptionsFixture;

TEST_F(Dialog, ControlsSitAtTheirPlaces) {
    openDialog();
    EXPECT_EQ(dialog->size(), QSize(466, 348)); // 446 x 328 inside a border of 10
    EXPECT_EQ(dialog->RzPageControl1->geometry(), QRect(0, 0, 446, 295));
    EXPECT_EQ(dialog->RzPanel1->geometry(), QRect(0, 295, 446, 33));
    const struct {
        QWidget* control;
        QRect place;
    } places[] = {
        {dialog->RzCheckBox1, {96, 40, 115, 17}},
        {dialog->RzCheckBox2, {96, 64, 115, 17}},
        {dialog->ComboBox1, {98, 128, 118, 21}},
        {dialog->ComboBoxBorderColor, {98, 156, 118, 22}},
        {dialog->ComboBoxBackColor, {98, 184, 118, 22}},
        {dialog->SpinEdit4, {98, 212, 118, 21}},
        {dialog->SpinEdit5, {98, 240, 118, 21}},
        {dialog->RzRadioGroup1, {240, 124, 192, 137}},
        {dialog->RzColorEdit1, {98, 38, 126, 21}},
    };
    for (const auto& p : places)
        EXPECT_EQ(p.control->geometry(), p.place) << p.control->objectName().toStdString();
    EXPECT_EQ(dialog->BtnClose->pos(), QPoint(360, 8));
    EXPECT_EQ(dialog->Label2->pos(), QPoint(16, 16));
    EXPECT_EQ(dialog->Label1->pos(), QPoint(16, 96));
    EXPECT_EQ(dialog->Label3->geometry().right() + 1, 93);
    EXPECT_TRUE(dialog->Label2->font().bold());
    EXPECT_EQ(dialog->ComboBox1->count(), 11);
    EXPECT_FALSE(dialog->ComboBox1->isEditable());
    EXPECT_EQ(dialog->SpinEdit4->minimum(), 10);
    EXPECT_EQ(dialog->SpinEdit5->minimum(), 5);
    EXPECT_EQ(dialog->SpinEdit5->maximum(), 50);
    EXPECT_EQ(dialog->RzPageControl1->currentWidget(), dialog->TabSheet1);
}

TEST_F(Dialog, TabGoesThroughTheBrowserPageInOrder) {
    openDialog();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->RzCheckBox1->setFocus();
    const std::vector<QWidget*> order = {dialog->RzCheckBox1,       dialog->RzCheckBox2,
                                         dialog->ComboBox1,         dialog->ComboBoxBorderColor,
                                         dialog->ComboBoxBackColor, dialog->SpinEdit4,
                                         dialog->SpinEdit5,         dialog->RzRadioGroup1};
    for (size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == order[i] || order[i]->isAncestorOf(focused))
            << i << " " << (focused ? focused->objectName().toStdString() : "none");
    }
}

// Runs ShowOptionsDialog and looks at the dialog while it is open, then closes it.
std::vector<QPointer<QWidget>> openTwice(const OptionsTarget& target,
                                         const std::function<void(TFrmOptions*)>& look) {
    std::vector<QPointer<QWidget>> shown;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<TFrmOptions*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            ASSERT_EQ(open, FrmOptions);
            shown.push_back(open);
            look(open);
            open->RzPageControl1->setCurrentIndex(1);
            open->BtnClose->click();
        });
        ShowOptionsDialog(target, nullptr);
        EXPECT_EQ(FrmOptions, nullptr);
    }
    return shown;
}

TEST_F(Dialog, EachOpeningIsANewModalDialogFreedAfterOnTheFirstPage) {
    int looks = 0;
    const auto shown = openTwice(target(true), [&](TFrmOptions* open) {
        ++looks;
        EXPECT_TRUE(open->isModal());
        EXPECT_EQ(open->RzPageControl1->currentIndex(), 0);
        EXPECT_EQ(open->windowTitle(), QString::fromUtf8("设置"));
        EXPECT_EQ(open->ComboBox1->currentText(), "80 x 80");
        EXPECT_FALSE(open->Filling);
    });
    EXPECT_EQ(looks, 2);
    for (const auto& dialogShown : shown)
        EXPECT_TRUE(dialogShown.isNull());
}

bool isColourPickerEntry(const QObject* object) {
    return qobject_cast<const ColorComboBox*>(object) != nullptr;
}

TEST_F(Dialog, ChineseLeavesNoEnglishTextAndKeepsTheStyles) {
    ThumbBorderType = 2;
    openDialog(true);
    for (const ShownText& shown : ShownTexts(dialog.get(), isColourPickerEntry))
        EXPECT_FALSE(IsEnglish(shown.text))
            << shown.owner.toStdString() << ": " << shown.text.toStdString();
    EXPECT_EQ(dialog->font().family(), QString::fromUtf8("宋体"));
    EXPECT_EQ(dialog->font().pointSize(), 9);
    for (QLabel* headingLabel : {dialog->Label2, dialog->Label1}) {
        EXPECT_EQ(headingLabel->font().family(), QString::fromUtf8("宋体"));
        EXPECT_EQ(headingLabel->font().pointSize(), 9);
        EXPECT_TRUE(headingLabel->font().bold());
    }
    EXPECT_EQ(dialog->RzCheckBox1->font().family(), QString::fromUtf8("宋体"));
    EXPECT_EQ(dialog->RzRadioGroup1Items->button(0)->text(), QString::fromUtf8("无"));
    EXPECT_EQ(dialog->RzRadioGroup1Items->button(3)->text(), QString::fromUtf8("圆角"));
    EXPECT_EQ(dialog->RzRadioGroup1Items->checkedId(), 2);
    EXPECT_EQ(dialog->RzPageControl1->tabText(1), QString::fromUtf8("图纸浏览器"));
    EXPECT_EQ(dialog->BtnClose->text(), QString::fromUtf8("关闭(&C)"));
}

TEST_F(Dialog, EnglishKeepsTheDesignTexts) {
    openDialog(false);
    for (const ShownText& shown : ShownTexts(dialog.get(), isColourPickerEntry))
        EXPECT_FALSE(HasChinese(shown.text)) << shown.owner.toStdString();
    EXPECT_EQ(dialog->windowTitle(), "Options");
    EXPECT_EQ(dialog->font().family(), "Tahoma");
    EXPECT_EQ(dialog->font().pointSize(), 8);
    EXPECT_EQ(dialog->RzRadioGroup1Items->button(2)->text(), " With Shadow");
    EXPECT_EQ(dialog->RzCheckBox2->text(), "Display hide files");
    EXPECT_EQ(dialog->RzPageControl1->tabText(0), "Browser");
}

} // namespace
