#include "platform/ShellCombo.h"
#include "platform/ShellList.h"

#include "TempFolder.h"

#include <QCompleter>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

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
    EXPECT_EQ(combo.currentText(), dir("a/b/")); // the whole path, ready to be edited
    EXPECT_EQ(combo.itemText(combo.currentIndex()), "b");

    list.goUp();
    EXPECT_EQ(combo.selectedPath(), dir("a/"));
    EXPECT_EQ(combo.itemText(combo.currentIndex()), "a");
    combo.showPopup(); // looks the volumes up again and keeps the current folder
    EXPECT_EQ(combo.itemText(combo.currentIndex()), "a");
    EXPECT_EQ(combo.selectedPath(), dir("a/"));
    combo.hidePopup();

    // A choice in the drop-down list goes to the list.
    const int entry = entryOf(combo, "/");
    ASSERT_GE(entry, 0);
    emit combo.activated(entry);
    EXPECT_EQ(list.folderPath(), "/");
    EXPECT_EQ(combo.selectedPath(), "/");
}

TEST_F(BoundCombo, ATypedFolderIsShownAndAWrongOneIsRefused) {
    QLineEdit* edit = combo.lineEdit();
    ASSERT_NE(edit, nullptr);
    const auto type = [&](const QString& text) {
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
    type(dir("a"));
    EXPECT_EQ(list.folderPath(), dir("a/"));
    QSignalSpy changed(&list, &ShellList::folderChanged);
    for (const QString& wrong : {dir("nothing"), dir("plan.dwg"), QString("b")}) {
        type(wrong);
        EXPECT_EQ(list.folderPath(), dir("a/")) << wrong.toStdString();
        EXPECT_EQ(edit->text(), dir("a/"));
    }
    type(dir("a/")); // unchanged text: no new read
    EXPECT_EQ(changed.count(), 0);

    // Sub-folders of what is being typed are offered.
    QTest::keyClicks(edit, "b");
    const auto* names = qobject_cast<QStringListModel*>(edit->completer()->model());
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->stringList(), QStringList({dir("a/b/")}));
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
