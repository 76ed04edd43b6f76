#include "platform/ShellList.h"

#include "TempFolder.h"

#include <QAbstractItemView>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

QStringList captions(const ShellList& list) {
    QStringList result;
    for (int i = 0; i < list.itemCount(); ++i) {
        result.append(list.item(i).displayName);
    }
    return result;
}

void press(ShellList& list, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(list.activeView(), key, modifiers);
}

// The centre of item i in the list's own coordinates.
QPoint itemCentre(ShellList& list, int i) {
    QAbstractItemView* view = list.activeView();
    const QRect rect = view->visualRect(view->model()->index(i, 0));
    return view->viewport()->mapTo(&list, rect.center());
}

class ShellListTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.files({"sub/inner.dwg", "other/", "a.dwg", "B.DXF", "c.txt"});
        list.resize(600, 400);
        list.show();
        ASSERT_TRUE(list.setFolder(dir.path()));
    }

    TempFolder dir;
    ShellList list;
};

} // namespace

TEST_F(ShellListTest, ShowsAFolderAndTellsOfEveryChange) {
    QSignalSpy changed(&list, &ShellList::folderChanged);
    EXPECT_EQ(list.folderPath(), dir.path());
    EXPECT_EQ(captions(list), QStringList({"other", "sub", "a.dwg", "B.DXF", "c.txt"}));

    EXPECT_TRUE(list.setFolder(dir("sub")));
    EXPECT_EQ(list.folderPath(), dir("sub/"));
    EXPECT_EQ(changed.count(), 1);

    EXPECT_FALSE(list.setFolder(dir("missing")));
    EXPECT_FALSE(list.setFolder(dir("a.dwg")));
    EXPECT_EQ(list.folderPath(), dir("sub/"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ShellListTest, GoingUpSelectsTheFolderLeft) {
    ASSERT_TRUE(list.setFolder(dir("sub")));
    list.goUp();
    EXPECT_EQ(list.folderPath(), dir.path());
    EXPECT_EQ(list.selectedIndexes(), QList<int>({list.findByCaption("sub")}));

    ASSERT_TRUE(list.setFolder(dir("other")));
    press(list, Qt::Key_Backspace);
    EXPECT_EQ(list.folderPath(), dir.path());
    EXPECT_EQ(list.firstSelected(), list.findByCaption("other"));
}

TEST_F(ShellListTest, AboveTheRootLiesTheVirtualComputer) {
    ASSERT_TRUE(list.setFolder("/"));
    QSignalSpy changed(&list, &ShellList::folderChanged);
    list.goUp();
    EXPECT_EQ(list.folderPath(), "");
    EXPECT_EQ(list.folderIdentity(), "computer:");
    EXPECT_GE(list.findByCaption("home"), 0);
    EXPECT_EQ(changed.count(), 1);
    list.goUp(); // nothing above
    EXPECT_EQ(list.folderIdentity(), "computer:");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ShellListTest, OpeningAFolderEntersItAndAFileAsksTheOwner) {
    QSignalSpy open(&list, &ShellList::openRequested);
    QObject::connect(&list, &ShellList::openRequested, [](bool* handled) { *handled = true; });

    list.moveToItem(list.findByCaption("a.dwg"));
    press(list, Qt::Key_Return);
    EXPECT_EQ(open.count(), 1);
    EXPECT_EQ(list.folderPath(), dir.path());

    // Two items, even two folders, are handed to the owner rather than entered.
    list.moveToItem(list.findByCaption("other"));
    list.activeView()->selectionModel()->select(
        list.activeView()->model()->index(list.findByCaption("sub"), 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({0, 1}));
    press(list, Qt::Key_Enter);
    EXPECT_EQ(open.count(), 2);
    EXPECT_EQ(list.folderPath(), dir.path());

    list.moveToItem(list.findByCaption("sub"));
    QTest::mouseDClick(list.activeView()->viewport(), Qt::LeftButton, {},
                       list.activeView()->viewport()->mapFrom(&list, itemCentre(list, 1)));
    EXPECT_EQ(list.folderPath(), dir("sub/"));
    EXPECT_EQ(open.count(), 2);

    list.moveToItem(0);
    QTest::mouseDClick(list.activeView()->viewport(), Qt::LeftButton, {},
                       list.activeView()->viewport()->mapFrom(&list, itemCentre(list, 0)));
    EXPECT_EQ(open.count(), 3);
}

TEST_F(ShellListTest, AFolderGoneSinceListingIsReportedAndTheListStays) {
    QStringList failed;
    list.fileOperations().setFailureHook(
        [&](const QString&, const QStringList& paths) { failed += paths; });
    QSignalSpy changed(&list, &ShellList::folderChanged);
    list.moveToItem(list.findByCaption("other"));
    QDir(dir("other")).removeRecursively();
    press(list, Qt::Key_Return);
    EXPECT_EQ(failed, QStringList({dir("other/")}));
    EXPECT_EQ(list.folderPath(), dir.path());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(ShellListTest, FilterAndOptionsReReadAtOnce) {
    dir.files({".hidden.dwg"});
    list.setFileFilter("*.dwg;*.dxf");
    EXPECT_EQ(list.fileFilter(), "*.dwg;*.dxf");
    EXPECT_EQ(captions(list), QStringList({"other", "sub", "a.dwg", "B.DXF"}));

    list.setOptions(list.options() | ShellList::ShowHidden);
    EXPECT_EQ(captions(list), QStringList({"other", "sub", ".hidden.dwg", "a.dwg", "B.DXF"}));

    list.setFileFilter("");
    list.setOptions(list.options() & ~ShellList::ShowHidden);
    EXPECT_EQ(list.itemCount(), 5);
}

TEST_F(ShellListTest, RefreshFindsNewFilesAndKeepsTheSelection) {
    list.moveToItem(list.findByCaption("c.txt"));
    dir.files({"d.dwg"});
    press(list, Qt::Key_F5);
    EXPECT_EQ(list.itemCount(), 6);
    EXPECT_EQ(list.item(list.firstSelected()).displayName, "c.txt");
}

TEST_F(ShellListTest, RefreshOfAVanishedFolderShowsTheNearestFolderAbove) {
    dir.folder("deep/er");
    ASSERT_TRUE(list.setFolder(dir("deep/er")));
    QDir(dir("deep")).removeRecursively();
    list.refresh();
    EXPECT_EQ(list.folderPath(), dir.path());
}

TEST_F(ShellListTest, BothStylesShowTheSameItems) {
    list.setViewStyle(ShellList::ViewStyle::List);
    EXPECT_EQ(list.viewStyle(), ShellList::ViewStyle::List);
    EXPECT_NE(qobject_cast<QListView*>(list.activeView()), nullptr);
    EXPECT_TRUE(list.activeView()->isVisible());
    for (int i = 0; i < list.itemCount(); ++i) {
        EXPECT_EQ(list.itemAt(itemCentre(list, i)), i);
    }
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(list.activeView()->viewport(), Qt::LeftButton, modifiers,
                          list.activeView()->viewport()->mapFrom(&list, itemCentre(list, row)));
    };
    click(0, {});
    click(2, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({0, 2})); // clicks select whole items
    press(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({0, 1, 2, 3, 4}));
    list.moveToItem(2);
    list.setViewStyle(ShellList::ViewStyle::Report);
    EXPECT_NE(qobject_cast<QTreeView*>(list.activeView()), nullptr);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({2})); // one selection for both styles
    EXPECT_EQ(list.itemAt(itemCentre(list, 3)), 3);
    EXPECT_EQ(list.itemAt(QPoint(5, 390)), -1);
}

TEST_F(ShellListTest, ColumnsFindingAndSelecting) {
    const QStringList expected{"Name", "Size", "Type", "Modified", ""};
    for (int column = 0; column < expected.size(); ++column) {
        EXPECT_EQ(list.columnCaption(column), expected[column]);
    }
    EXPECT_EQ(list.findByCaption("b.dxf"), 3);
    EXPECT_EQ(list.findByCaption("nothing"), -1);
    press(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({0, 1, 2, 3, 4}));
    list.moveToItem(4);
    EXPECT_EQ(list.selectedIndexes(), QList<int>({4}));
    list.moveToItem(99); // out of range: nothing changes
    EXPECT_EQ(list.selectedIndexes(), QList<int>({4}));
}

TEST_F(ShellListTest, RightPressesAreReportedAfterTheySelect) {
    struct Press {
        Qt::MouseButton button;
        int row;
        QList<int> selectedAtSignal;
    };
    QList<QList<int>> seen;
    QList<int> rows;
    QObject::connect(&list, &ShellList::mousePressed, [&](Qt::MouseButton, QPoint pos) {
        seen.append(list.selectedIndexes());
        rows.append(list.itemAt(pos));
    });
    list.moveToItem(0);
    list.activeView()->selectionModel()->select(list.activeView()->model()->index(1, 0),
                                                QItemSelectionModel::Select |
                                                    QItemSelectionModel::Rows);
    const Press presses[] = {
        {Qt::RightButton, 1, {0, 1}}, // a selected item keeps the whole selection
        {Qt::RightButton, 3, {3}},    // another item becomes the only selected one
        {Qt::LeftButton, 2, {2}},
    };
    for (const Press& press : presses) {
        QTest::mousePress(
            list.activeView()->viewport(), press.button, {},
            list.activeView()->viewport()->mapFrom(&list, itemCentre(list, press.row)));
        QTest::mouseRelease(
            list.activeView()->viewport(), press.button, {},
            list.activeView()->viewport()->mapFrom(&list, itemCentre(list, press.row)));
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_EQ(seen.last(), press.selectedAtSignal) << press.row;
        EXPECT_EQ(rows.last(), press.row);
    }
    EXPECT_EQ(seen.size(), 3);
}
