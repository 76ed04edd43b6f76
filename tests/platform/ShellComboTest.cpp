#include "platform/ShellCombo.h"
#include "platform/ShellList.h"

#include "TempFolder.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

int entryOf(const ShellCombo& combo, const QString& identity) {
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemData(i, Qt::UserRole).toString() == identity) {
            return i;
        }
    }
    return -1;
}

// A combo bound to a list, over a temporary folder.
class BoundCombo : public ::testing::Test {
protected:
    void SetUp() override {
        dir.files({"a/b/c.dwg", "plan.dwg"});
        combo.setShellList(&list);
    }
    TempFolder dir;
    ShellCombo combo;
    ShellList list;
};

} // namespace

TEST(ShellCombo, StartsAtHomeAndShowsItInTheBoundList) {
    ShellCombo combo;
    EXPECT_EQ(combo.selectedPath(), QDir::homePath() + "/");
    ShellList list;
    combo.setShellList(&list);
    EXPECT_EQ(list.folderPath(), QDir::homePath() + "/");
}

TEST_F(BoundCombo, ChoosingAFolderMovesTheListAndTheListMovesTheCombo) {
    QSignalSpy changed(&list, &ShellList::folderChanged);

    combo.setSelectedPath(dir("a/b"));
    EXPECT_EQ(list.folderPath(), dir("a/b/"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(combo.selectedPath(), dir("a/b/"));
    // The chain of folders above the current one is listed, the current one chosen.
    EXPECT_EQ(combo.currentIndex(), entryOf(combo, dir("a/b/")));
    EXPECT_GE(entryOf(combo, dir("a/")), 0);
    EXPECT_EQ(combo.currentText(), "b");

    list.goUp();
    EXPECT_EQ(combo.selectedPath(), dir("a/"));
    EXPECT_EQ(combo.currentText(), "a");

    // A choice in the drop-down list goes to the list.
    const int entry = entryOf(combo, "/");
    ASSERT_GE(entry, 0);
    emit combo.activated(entry);
    EXPECT_EQ(list.folderPath(), "/");
    EXPECT_EQ(combo.selectedPath(), "/");
}

TEST_F(BoundCombo, AFolderThatLeadsNowhereShowsTheVirtualRoot) {
    for (const QString& path : {dir("missing/"), dir("plan.dwg"), QString(), QString("rel/x")}) {
        combo.setSelectedPath(dir.path());
        combo.setSelectedPath(path);
        EXPECT_EQ(combo.selectedPath(), "") << path.toStdString();
        EXPECT_EQ(combo.selectedIdentity(), "computer:");
        EXPECT_EQ(list.folderPath(), "");
        EXPECT_EQ(list.folderIdentity(), "computer:");
        EXPECT_EQ(combo.currentIndex(), 0);
        EXPECT_EQ(combo.currentText(), "Computer");
    }
}

TEST(ShellCombo, AListSetElsewhereIsTakenOver) {
    TempFolder dir;
    ShellList list;
    ASSERT_TRUE(list.setFolder(dir.path()));
    ShellCombo combo;
    combo.setShellList(&list);
    EXPECT_EQ(combo.selectedPath(), dir.path());
    EXPECT_EQ(list.folderPath(), dir.path());
}
