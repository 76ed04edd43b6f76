#include "MainWindowFixture.h"

#include "browser/ThumbEntry.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include "app/BitmapButton.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {

class ViewModes : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        makeFile(filesFolder() + "sub/inner.dwg");
        makeFile(filesFolder() + "a.dwg");
        makeFile(filesFolder() + "b.DXF");
        makeFile(filesFolder() + "notes.txt");
        start({filesFolder()});
    }

    bool listInFront() const {
        const QWidget* top = window->ShellListFiles->parentWidget()->childAt(10, 10);
        return top && (top == window->ShellListFiles || window->ShellListFiles->isAncestorOf(top));
    }

    ThumbGrid& grid() { return *window->ShellThumbFiles; }
};

TEST_F(ViewModes, ThumbnailBuildsTheGridOnceAndPutsItInFront) {
    window->PM_Thumbnail->trigger();
    EXPECT_EQ(window->ThumbnailMode, 1);
    ASSERT_EQ(grid().cellCount(), 3); // the filter keeps the folder and the drawings
    EXPECT_FALSE(listInFront());
    ThumbEntry::setState(grid(), 0, ThumbEntry::Loaded);
    window->PM_Thumbnail->trigger(); // chosen again: no rebuild
    EXPECT_EQ(ThumbEntry::state(grid(), 0), ThumbEntry::Loaded);
    EXPECT_TRUE(window->PM_Thumbnail->isChecked());
}

TEST_F(ViewModes, ListModesShowTheListAndEmptyTheGrid) {
    window->PM_Thumbnail->trigger();
    window->PM_List->trigger();
    EXPECT_EQ(window->ThumbnailMode, 0);
    EXPECT_EQ(grid().cellCount(), 0);
    EXPECT_TRUE(listInFront());
    EXPECT_EQ(window->ShellListFiles->viewStyle(), ShellList::ViewStyle::List);
    window->PM_Report->trigger();
    EXPECT_EQ(window->ShellListFiles->viewStyle(), ShellList::ViewStyle::Report);
    EXPECT_FALSE(window->PM_List->isChecked());
}

TEST_F(ViewModes, FolderChangesRebuildTheGridOnlyInThumbnailMode) {
    window->ShellListFiles->setFolder(filesFolder() + "sub/");
    EXPECT_EQ(grid().cellCount(), 0);
    window->PM_Thumbnail->trigger();
    EXPECT_EQ(grid().cellCount(), 1);
    window->BtnUpClick();
    EXPECT_EQ(window->ShellListFiles->folderPath(), filesFolder());
    EXPECT_EQ(grid().cellCount(), 3);
}

TEST_F(ViewModes, ThumbnailStyleKeepsTheListStyleAndIsRestoredNextTime) {
    window->PM_List->trigger();
    window->PM_Thumbnail->trigger();
    EXPECT_EQ(window->ShellListFiles->viewStyle(), ShellList::ViewStyle::List);
    stop();
    EXPECT_TRUE(readIni().contains("\r\nViewType=2\r\n"));
    start();
    EXPECT_EQ(window->ThumbnailMode, 1);
    EXPECT_TRUE(window->PM_Thumbnail->isChecked());
    EXPECT_EQ(window->ShellListFiles->folderPath(), filesFolder());
    EXPECT_EQ(grid().cellCount(), 3);
}

TEST_F(ViewModes, CellsMirrorTheListWithKindsAndInfo) {
    window->LoadAllFile = true;
    window->ShellListFiles->setFileFilter({});
    window->PM_Thumbnail->trigger();
    const ShellList& list = *window->ShellListFiles;
    ASSERT_EQ(grid().cellCount(), list.itemCount());
    const char* kinds[] = {"1", "2", "3", "3"};
    for (int i = 0; i < grid().cellCount(); ++i) {
        EXPECT_EQ(ThumbEntry::kind(grid(), i), kinds[i]) << i;
        EXPECT_EQ(ThumbEntry::caption(grid(), i), list.item(i).displayName);
        EXPECT_EQ(ThumbEntry::state(grid(), i), 0);
    }
    EXPECT_TRUE(ThumbEntry::info(grid(), 0).startsWith(filesFolder() + "sub/||"));
    EXPECT_TRUE(ThumbEntry::info(grid(), 1).startsWith(filesFolder() + "a.dwg|" +
                                                       list.columnCaption(1) + ": "));
}

} // namespace

namespace {

TEST_F(ViewModes, MenuButtonOpensTheMainMenuAtItsBottomLeftCorner) {
    QTest::mouseClick(window->BtnView, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->PopupMenuView->isVisible(); }));
    EXPECT_EQ(window->PopupMenuView->pos(),
              window->BtnView->mapToGlobal(QPoint(0, window->BtnView->height())));
    window->PopupMenuView->hide();
}

TEST_F(ViewModes, UpButtonAndExitEntryDoTheirWork) {
    window->ShellListFiles->setFolder(filesFolder() + "sub/");
    QTest::mouseClick(window->BtnUp, Qt::LeftButton);
    EXPECT_EQ(window->ShellListFiles->folderPath(), filesFolder());
    window->PM_Exit->trigger();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
