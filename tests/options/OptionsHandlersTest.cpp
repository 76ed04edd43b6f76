#include "OptionsFixture.h"

#include "options/ColorComboBox.h"
#include "options/SpinEdit.h"
#include "platform/Colors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Handlers = OptionsFixture;

TEST_F(Handlers, OpeningChangesNothingWhateverTheStoredValues) {
    LoadAllFile = true;
    ShowHidden = false;
    ThumbW = 85;
    ThumbBorderColor = 0x8000000F;
    ThumbBackColor = 0x123456;
    ThumbSpaceW = 5;
    ThumbSpaceH = 70;
    ThumbBorderType = 3;
    BkColor = 0xFF;
    grid.setThumbWidth(85);
    list.setFileFilter(QString());
    openDialog();
    EXPECT_EQ(dialog->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(dialog->ComboBox1->currentText(), "");
    EXPECT_FALSE(dialog->RzCheckBox1->isChecked());
    EXPECT_FALSE(dialog->RzCheckBox2->isChecked());
    EXPECT_EQ(dialog->SpinEdit4->text(), "10");
    EXPECT_EQ(dialog->SpinEdit5->text(), "50");
    EXPECT_EQ(dialog->RzRadioGroup1Items->checkedId(), 3);
    EXPECT_EQ(dialog->ComboBoxBorderColor->colorValue(), 0x8000000Fu);
    EXPECT_EQ(dialog->RzColorEdit1->colorValue(), 0xFFu);
    EXPECT_FALSE(dialog->Filling);

    EXPECT_TRUE(LoadAllFile);
    EXPECT_FALSE(ShowHidden);
    EXPECT_EQ(ThumbW, 85);
    EXPECT_EQ(ThumbSpaceW, 5);
    EXPECT_EQ(ThumbSpaceH, 70);
    EXPECT_EQ(ThumbBorderType, 3);
    EXPECT_EQ(grid.thumbWidth(), 85);
    EXPECT_EQ(grid.horizBorder(), ThumbGrid().horizBorder());
    EXPECT_EQ(list.fileFilter(), "");
    EXPECT_EQ(view.BackColor(), 0u);
    EXPECT_EQ(refreshCount, 0);
}

TEST_F(Handlers, StoredWidthSelectsItsSize) {
    openDialog();
    EXPECT_EQ(dialog->ComboBox1->currentText(), "80 x 80");
    EXPECT_TRUE(dialog->RzCheckBox1->isChecked());
    EXPECT_TRUE(dialog->RzCheckBox2->isChecked());
    EXPECT_EQ(dialog->RzRadioGroup1Items->checkedId(), 1);
}

TEST_F(Handlers, SizeItemsSetWidthAndHeightTwentyMore) {
    openDialog();
    dialog->ComboBox1->addItem("abc x abc"); // as a size with no number would read
    dialog->ComboBox1->addItem("150");       // and one without the "x"
    const struct {
        const char* item;
        int width;
    } cases[] = {{"120 x 120", 120}, {"50 x 50", 50}, {"abc x abc", 80}, {"150", 80}};
    for (const auto& c : cases) {
        dialog->ComboBox1->setCurrentText(QString::fromLatin1(c.item));
        EXPECT_EQ(ThumbW, c.width) << c.item;
        EXPECT_EQ(grid.thumbWidth(), c.width) << c.item;
        EXPECT_EQ(grid.thumbHeight(), c.width + 20) << c.item;
    }
}

TEST_F(Handlers, SpaceEditsApplyEveryValueTheyTake) {
    openDialog();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    std::vector<int> applied;
    QObject::connect(dialog->SpinEdit5, &SpinEdit::changed, [&] {
        applied.push_back(ThumbSpaceH);
        EXPECT_EQ(grid.vertBorder(), ThumbSpaceH);
    });
    const auto typeInto = [&](SpinEdit* edit, const char* text) {
        edit->setFocus();
        edit->lineEdit()->selectAll();
        if (*text)
            QTest::keyClicks(edit->lineEdit(), QString::fromLatin1(text));
        else
            QTest::keyClick(edit->lineEdit(), Qt::Key_Backspace);
        dialog->BtnClose->setFocus(); // leaves the field
    };
    typeInto(dialog->SpinEdit5, "7");
    EXPECT_EQ(ThumbSpaceH, 7);
    typeInto(dialog->SpinEdit5, "70");
    EXPECT_EQ(applied, (std::vector<int>{7, 7, 70, 50}));
    EXPECT_EQ(ThumbSpaceH, 50);

    typeInto(dialog->SpinEdit4, "30");
    EXPECT_EQ(ThumbSpaceW, 30);
    typeInto(dialog->SpinEdit4, "");
    EXPECT_EQ(ThumbSpaceW, 10);
    EXPECT_EQ(grid.horizBorder(), 10);
}

TEST_F(Handlers, ColoursReachTheGridTheViewAndTheFields) {
    openDialog();
    dialog->ComboBoxBorderColor->setColorValue(0x0000FF);
    dialog->ComboBoxBackColor->setColorValue(0x8000000F);
    dialog->RzColorEdit1->setColorValue(0x808080);
    EXPECT_EQ(ThumbBorderColor, 0x0000FFu);
    EXPECT_EQ(grid.thumbnailsBorderColor(), QColor(255, 0, 0));
    EXPECT_EQ(ThumbBackColor, 0x8000000Fu);
    EXPECT_EQ(grid.thumbnailsBackground(), colorFromValue(0x8000000F));
    EXPECT_EQ(grid.background(), ThumbGrid().background()); // the grid's own stays
    EXPECT_EQ(BkColor, 0x808080u);
    EXPECT_EQ(view.BackColor(), 0x808080u); // with no drawing open
}

TEST_F(Handlers, BorderStyleIsStoredAndTheGridRepainted) {
    grid.show();
    openDialog();
    for (int style : {0, 2, 3, 1}) {
        QCoreApplication::processEvents();
        const int paintsBefore = grid.paintCount();
        dialog->RzRadioGroup1Items->button(style)->click();
        EXPECT_EQ(ThumbBorderType, style);
        QCoreApplication::processEvents();
        EXPECT_GT(grid.paintCount(), paintsBefore) << style;
    }
}

// Which files a folder holds, the grid in front or not, the box changed: is the grid
// rebuilt?
struct RefreshCase {
    const char* name;
    std::vector<const char*> files;
    qint32 thumbnailMode;
    bool hiddenBox; // "Display hide files" rather than "Only CAD files"
    bool rebuilt;
};

class RefreshRule : public OptionsFixture, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshRule, GridIsRebuiltOnlyWhenTheListChangedAndTheGridIsInFront) {
    const RefreshCase& c = GetParam();
    for (const char* file : c.files)
        makeFile(QString::fromLatin1(file));
    list.setFileFilter("*.dwg;*.dxf");
    list.setOptions(ShellList::AutoFill | ShellList::DefaultKeyHandling |
                    ShellList::FilesCanBeFolders | (c.hiddenBox ? 0 : ShellList::ShowHidden));
    ShowHidden = !c.hiddenBox;
    ASSERT_TRUE(list.setFolder(folder.path()));
    ThumbnailMode = c.thumbnailMode;
    openDialog();
    if (c.hiddenBox)
        dialog->RzCheckBox2->setChecked(true);
    else
        dialog->RzCheckBox1->setChecked(false);
    EXPECT_EQ(refreshCount, c.rebuilt ? 1 : 0);
    EXPECT_EQ(LoadAllFile, !c.hiddenBox);
    EXPECT_TRUE(ShowHidden);
    EXPECT_EQ(list.fileFilter(), c.hiddenBox ? "*.dwg;*.dxf" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RefreshRule,
    ::testing::Values(
        RefreshCase{"OnlyDrawingsInFront", {"a.dwg", "b.DXF", "sub/c.txt"}, 1, false, false},
        RefreshCase{"OtherFilesInFront", {"a.dwg", "notes.txt"}, 1, false, true},
        RefreshCase{"OtherFilesBehind", {"a.dwg", "notes.txt"}, 0, false, false},
        RefreshCase{"HiddenFileInFront", {"a.dwg", ".b.dwg"}, 1, true, true},
        RefreshCase{"HiddenFileBehind", {"a.dwg", ".b.dwg"}, 0, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Handlers, FillingGuardsEveryHandler) {
    openDialog();
    dialog->Filling = true;
    dialog->RzCheckBox1->setChecked(false);
    dialog->RzCheckBox2->setChecked(false);
    dialog->ComboBox1->setCurrentIndex(0);
    dialog->ComboBoxBorderColor->setColorValue(0xFF);
    dialog->ComboBoxBackColor->setColorValue(0xFF);
    dialog->SpinEdit4->setValue(40);
    dialog->SpinEdit5->setValue(40);
    dialog->RzRadioGroup1Items->button(3)->click();
    dialog->RzColorEdit1->setColorValue(0xFF);
    EXPECT_FALSE(LoadAllFile);
    EXPECT_TRUE(ShowHidden);
    EXPECT_EQ(ThumbW, 80);
    EXPECT_EQ(ThumbBorderColor, 0u);
    EXPECT_EQ(ThumbBackColor, 0xFFFFFFu);
    EXPECT_EQ(ThumbSpaceW, 12);
    EXPECT_EQ(ThumbSpaceH, 12);
    EXPECT_EQ(ThumbBorderType, 1);
    EXPECT_EQ(BkColor, 0u);
}

} // namespace
