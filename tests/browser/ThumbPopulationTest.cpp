#include "browser/ThumbPopulation.h"
#include "browser/ThumbEntry.h"
#include "platform/FolderModel.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void makeFile(const QString& path, qint64 size = 1) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
}

ShellItem fileItem(const QString& path) {
    ShellItem item;
    item.inFileSystem = true;
    item.path = item.identity = path;
    item.displayName = path.mid(path.lastIndexOf(u'/') + 1);
    return item;
}

TEST(ClassifyShellItem, TellsFoldersDrawingsAndOtherFiles) {
    ShellItem outside;
    outside.displayName = "Computer";
    ShellItem folder = fileItem("/a/b/");
    folder.isFolder = true;
    ShellItem dwgFolder = fileItem("/a/plans.dwg/");
    dwgFolder.isFolder = true;
    const struct {
        ShellItem item;
        int kind;
    } cases[] = {{outside, 0},
                 {folder, 1},
                 {dwgFolder, 1},
                 {fileItem("/a/plan.dwg"), 2},
                 {fileItem("/a/PLAN.DWG"), 2},
                 {fileItem("/a/part.dxf"), 3},
                 {fileItem("/a/notes.txt"), 3},
                 {fileItem("/a/plan.dwg.bak"), 3}};
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyShellItem(c.item), c.kind) << c.item.path.toStdString();
}

class Population : public ::testing::Test {
protected:
    void SetUp() override {
        folder = dir.path() + u'/';
        makeFile(folder + "sub/inner.txt");
        makeFile(folder + "a.dwg", 3000);
        makeFile(folder + "B.DWG");
        makeFile(folder + "c.dxf");
        makeFile(folder + "d.txt");
        list.setFileFilter({});
        ASSERT_TRUE(list.setFolder(folder));
        grid.resize(300, 300);
        grid.show();
    }

    QTemporaryDir dir;
    QString folder;
    ShellList list;
    ThumbGrid grid;
};

TEST_F(Population, CellsFollowTheListOrderWithKindCaptionInfoAndStateZero) {
    RefreshThumbnails(grid, list);
    ASSERT_EQ(grid.cellCount(), list.itemCount());
    ASSERT_EQ(grid.cellCount(), 5);
    const char* kinds[] = {"1", "2", "2", "3", "3"};
    for (int i = 0; i < grid.cellCount(); ++i) {
        const ShellItem item = list.item(i);
        EXPECT_EQ(ThumbEntry::kind(grid, i), kinds[i]) << i;
        EXPECT_EQ(ThumbEntry::caption(grid, i), item.displayName);
        EXPECT_EQ(ThumbEntry::state(grid, i), 0);
        EXPECT_EQ(ThumbEntry::info(grid, i), CellInfo(list, item));
        EXPECT_FALSE(grid.hasCellPicture(i));
    }
    const QString folderInfo = ThumbEntry::info(grid, 0);
    EXPECT_TRUE(folderInfo.startsWith(folder + "sub/||" + list.columnCaption(2) + ": "))
        << folderInfo.toStdString();
    EXPECT_EQ(folderInfo.count(u'|'), 3);
    EXPECT_EQ(ThumbEntry::info(grid, 1).section(u'|', 0, 1),
              folder + "a.dwg|" + list.columnCaption(1) + ": 3 KB");
}

TEST_F(Population, ColumnDetailIsCaptionAndValueOrNothing) {
    ShellItem item = fileItem(folder + "a.dwg");
    item.detail[0] = "58 KB";
    item.detail[2] = "1/2/26 9:30";
    EXPECT_EQ(ColumnDetail(list, item, 1), list.columnCaption(1) + ": 58 KB");
    EXPECT_EQ(ColumnDetail(list, item, 2), QString());
    EXPECT_EQ(ColumnDetail(list, item, 3), list.columnCaption(3) + ": 1/2/26 9:30");
    ShellItem outside;
    EXPECT_EQ(CellInfo(list, outside), "|||");
}

TEST_F(Population, RebuildStartsAfreshAtTheTopWithoutSelection) {
    makeFile(folder + "more/x.dwg");
    for (int i = 0; i < 40; ++i)
        makeFile(folder + QStringLiteral("z%1.dwg").arg(i, 2, 10, QChar(u'0')));
    list.refresh();
    RefreshThumbnails(grid, list);
    for (int i = 0; i < grid.cellCount(); ++i) {
        ThumbEntry::setState(grid, i, i % 2 ? ThumbEntry::Loaded : ThumbEntry::Queued);
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::red);
        grid.setCellPicture(i, picture);
    }
    grid.select(5);
    grid.setViewPosition(0, 400);

    const int paintsBefore = grid.paintCount();
    RefreshThumbnails(grid, list);
    QTest::qWait(50);
    EXPECT_LE(grid.paintCount() - paintsBefore, 1); // the paint lock: one redraw at the end
    EXPECT_EQ(grid.updateLockCount(), 0);
    EXPECT_EQ(grid.viewPosition(), QPoint(0, 0));
    EXPECT_TRUE(grid.selectedIndexes().isEmpty());
    for (int i = 0; i < grid.cellCount(); ++i) {
        EXPECT_EQ(ThumbEntry::state(grid, i), 0) << i;
        EXPECT_FALSE(grid.hasCellPicture(i)) << i;
    }
}

TEST_F(Population, EmptyOrFilteredFolderGivesAnEmptyGrid) {
    RefreshThumbnails(grid, list);
    ASSERT_TRUE(list.setFolder(folder + "sub/"));
    list.setFileFilter("*.dwg;*.dxf");
    RefreshThumbnails(grid, list);
    EXPECT_EQ(grid.cellCount(), 0);
}

} // namespace
