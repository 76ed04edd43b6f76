#include "MainWindowFixture.h"

#include "platform/ShellCombo.h"
#include "platform/ShellList.h"

#include <QAction>

namespace {

class CommandLine : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        stored = filesFolder() + "stored/";
        other = filesFolder() + "other/";
        makeFile(stored + "s.dwg");
        makeFile(other + "plan.dxf");
        makeFile(other + "notes.txt");
        writeIni("[NORMAL]\r\nPath=" + stored.toUtf8() + "\r\nViewType=2\r\n");
        // What the window looked like when the drawing reached OpenDrawing.
        onMessage = [this] {
            modeWhenOpened = window->ThumbnailMode;
            folderWhenOpened = window->ShellListFiles->folderPath();
        };
    }

    QString shownFolder() const { return window->ShellListFiles->folderPath(); }

    QString stored;
    QString other;
    int modeWhenOpened = -1;
    QString folderWhenOpened;
};

TEST_F(CommandLine, DrawingShowsItsFolderAndOpensAfterTheViewMode) {
    start({other + "plan.dxf"});
    EXPECT_EQ(shownFolder(), other);
    EXPECT_EQ(window->ShellComboFolder->selectedPath(), other);
    // No drawing engine yet: the drawing is handed over and reported as not opened.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, other + "plan.dxf\n" + QString::fromUtf8("文件无法打开。"));
    EXPECT_EQ(messages[0].caption, QString::fromUtf8("提示"));
    EXPECT_EQ(modeWhenOpened, 1);
    EXPECT_EQ(folderWhenOpened, other);
    EXPECT_FALSE(window->DrawingLoaded);
}

TEST_F(CommandLine, FolderIsShownAndNothingOpened) {
    start({other, stored + "s.dwg"}); // only the first argument counts
    EXPECT_EQ(shownFolder(), other);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->ThumbnailMode, 1);
}

TEST_F(CommandLine, MissingPathFallsBackToTheStoredFolderSilently) {
    start({filesFolder() + "no/such/place.dwg"});
    EXPECT_EQ(shownFolder(), stored);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CommandLine, FileThatIsNoDrawingShowsItsFolderAndIsRefused) {
    start({other + "notes.txt"});
    EXPECT_EQ(shownFolder(), other);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(other + "notes.txt\n"));
}

TEST_F(CommandLine, BareFileNameOpensFromTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(other);
    start({"plan.dxf"});
    QDir::setCurrent(previous);
    EXPECT_EQ(shownFolder(), stored);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("plan.dxf\n"));
}

TEST_F(CommandLine, StoredFolderThatNoLongerExistsFallsBackToTheRoot) {
    writeIni("[NORMAL]\r\nPath=" + filesFolder().toUtf8() + "gone\r\n");
    start();
    EXPECT_EQ(window->ShellComboFolder->selectedPath(), QString());
    EXPECT_TRUE(messages.empty());
}

} // namespace
