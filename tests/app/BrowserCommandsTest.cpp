#include "MainWindowFixture.h"

#include "browser/ThumbEntry.h"
#include "drawing/ThumbInfo.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>

namespace {

// The main window in thumbnail mode on a folder with two sub-folders and three drawings:
// cells gone/ (0), sub/ (1), a.dwg (2), b.dwg (3), c.dwg (4). The drawings are not real,
// so opening one ends in the viewer's "cannot open" message, which names the file.
class BrowserCommands : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* name : {"gone/x.dwg", "sub/inner.dwg", "a.dwg", "b.dwg", "c.dwg"})
            makeFile(filesFolder() + name);
        writeIni(("[NORMAL]\r\nViewType=2\r\nPath=" + filesFolder() + "\r\n").toUtf8());
        start();
        ASSERT_EQ(grid().cellCount(), 5);
    }

    ThumbGrid& grid() { return *window->ShellThumbFiles; }
    ShellList& list() { return *window->ShellListFiles; }
    QPoint centreOf(int idx) { return grid().cellRect(idx).center() - grid().viewPosition(); }

    void press(Qt::MouseButton button, QPoint at) {
        QTest::mousePress(grid().viewport(), button, {}, at);
        QTest::mouseRelease(grid().viewport(), button, {}, at);
    }
    void rightClick(int idx) { press(Qt::RightButton, centreOf(idx)); }
    // As the platform delivers one: a press and release, then the double click in place of
    // the second press.
    void doubleClick(int idx) {
        press(Qt::LeftButton, centreOf(idx));
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, centreOf(idx));
    }

    // Whether the file menu is open; closes it.
    bool fileMenuShown() {
        const bool shown = window->PopupMenuList->isVisible();
        window->PopupMenuList->hide();
        return shown;
    }

    // The file that the one message so far says could not be opened.
    QString openedFile() {
        if (messages.size() != 1)
            return QStringLiteral("%1 messages").arg(messages.size());
        return messages.front().text.section(u'\n', 0, 0);
    }
};

TEST_F(BrowserCommands, DoubleClickOnAFolderCellEntersIt) {
    doubleClick(1);
    EXPECT_EQ(list().folderPath(), filesFolder() + "sub/");
    ASSERT_EQ(grid().cellCount(), 1);
    EXPECT_EQ(ThumbEntry::caption(grid(), 0), "inner.dwg");
    EXPECT_TRUE(messages.empty());
}

TEST_F(BrowserCommands, DoubleClickOnAnItemOutsideTheFileSystemFindsItByCaption) {
    // Such a cell has no path; the list item with its caption, in any letter case, leads on.
    ThumbEntry::setKind(grid(), 0, ThumbEntry::OutsideFileSystem);
    ThumbEntry::setCaption(grid(), 0, "SUB");
    ThumbEntry::setInfo(grid(), 0, "|||");
    doubleClick(0);
    EXPECT_EQ(list().folderPath(), filesFolder() + "sub/");

    ThumbEntry::setKind(grid(), 0, ThumbEntry::OutsideFileSystem);
    ThumbEntry::setCaption(grid(), 0, "nothing by this name");
    doubleClick(0);
    EXPECT_EQ(list().folderPath(), filesFolder() + "sub/");
    EXPECT_TRUE(messages.empty());
}

TEST_F(BrowserCommands, DoubleClickOnADeletedFolderWarnsWithItsQuotedPath) {
    ASSERT_TRUE(QDir(filesFolder() + "gone").removeRecursively());
    doubleClick(0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].caption, QString::fromUtf8("警告"));
    EXPECT_EQ(messages[0].text,
              u'"' + filesFolder() + "gone/\"\n" + QString::fromUtf8("路径不存在！"));
    EXPECT_EQ(list().folderPath(), filesFolder()); // the list stays where it is
}

TEST_F(BrowserCommands, DoubleClickOnADrawingCellOpensItAndOnEmptySpaceNothing) {
    press(Qt::LeftButton, {2, 2}); // between cells
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, {2, 2});
    QCoreApplication::processEvents();
    EXPECT_EQ(window->PressedThumbIndex, -1);
    EXPECT_TRUE(messages.empty());
    doubleClick(3);
    EXPECT_EQ(openedFile(), filesFolder() + "b.dwg");
}

TEST_F(BrowserCommands, RightClickSelectsAnUnselectedCellAloneAndKeepsASelection) {
    grid().select(0);
    rightClick(3);
    EXPECT_EQ(grid().selectedIndexes(), QList<int>({3}));
    EXPECT_EQ(window->PressedThumbIndex, 3);
    EXPECT_TRUE(fileMenuShown());

    grid().select(2);
    grid().setSelected(4, true);
    rightClick(4);
    EXPECT_EQ(grid().selectedIndexes(), QList<int>({2, 4}));
    EXPECT_TRUE(fileMenuShown());

    rightClick(1); // a folder: selected, but no menu
    EXPECT_EQ(grid().selectedIndexes(), QList<int>({1}));
    EXPECT_FALSE(fileMenuShown());

    press(Qt::RightButton, {2, 2}); // between cells
    EXPECT_EQ(window->PressedThumbIndex, -1);
    EXPECT_EQ(grid().selectedIndexes(), QList<int>({1}));
    EXPECT_FALSE(fileMenuShown());
}

TEST_F(BrowserCommands, TheFileMenuOfTheGridOpensThePressedCell) {
    rightClick(4);
    ASSERT_TRUE(window->PopupMenuList->isVisible());
    window->PM_OpenFile->trigger();
    window->PopupMenuList->hide();
    EXPECT_EQ(openedFile(), filesFolder() + "c.dwg");
}

TEST_F(BrowserCommands, TheHintNamesTheCellUnderTheMouse) {
    QTest::mouseMove(grid().viewport(), centreOf(3));
    EXPECT_TRUE(grid().hintsEnabled());
    EXPECT_EQ(grid().hintText(), "b.dwg" + ThumbHintText(ThumbEntry::info(grid(), 3)));
    EXPECT_TRUE(grid().hintText().contains(HintLineBreak)); // details on lines of their own
    QTest::mouseMove(grid().viewport(), {2, 2});
    EXPECT_FALSE(grid().hintsEnabled());
}

// The same folder in the shell list (report mode): items gone/, sub/, a.dwg, b.dwg, c.dwg.
class ListCommands : public BrowserCommands {
protected:
    void SetUp() override {
        BrowserCommands::SetUp();
        window->PM_Report->trigger();
        ASSERT_EQ(list().itemCount(), 5);
    }
    QAbstractItemView& view() { return *list().activeView(); }
    QPoint centreOfItem(int row) {
        return view().visualRect(view().model()->index(row, 0)).center();
    }
    void selectItems(std::initializer_list<int> rows) {
        view().selectionModel()->clearSelection();
        for (const int row : rows)
            view().selectionModel()->select(view().model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    }
};

TEST_F(ListCommands, EnterWithTwoFilesSelectedOpensTheFirst) {
    selectItems({3, 2});
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Return);
    EXPECT_EQ(openedFile(), filesFolder() + "a.dwg");
}

TEST_F(ListCommands, TheFileMenuOfTheListOpensItsFirstSelectedFile) {
    selectItems({2, 3});
    QTest::mouseClick(view().viewport(), Qt::RightButton, Qt::ControlModifier, centreOfItem(3));
    ASSERT_TRUE(window->PopupMenuList->isVisible());
    window->PM_OpenFile->trigger();
    window->PopupMenuList->hide();
    EXPECT_EQ(openedFile(), filesFolder() + "a.dwg");

    QTest::mouseClick(view().viewport(), Qt::RightButton, {}, centreOfItem(1)); // a folder
    EXPECT_FALSE(fileMenuShown());
}

} // namespace
