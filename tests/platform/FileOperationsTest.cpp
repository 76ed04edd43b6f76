#include "platform/FileOperations.h"
#include "platform/ShellList.h"

#include "TempFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Question = FileOperations::Question;

bool clipboardHoldsFiles() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasUrls();
}

struct Asked {
    Question question;
    QStringList paths;
};

// A list over a source and a destination folder whose questions are answered by the test.
// Home and the trash live in a folder of their own, so nothing reaches the user's trash.
class FileOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedHome = qgetenv("HOME");
        savedData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", home.path().toUtf8());
        home.folder("data");
        qputenv("XDG_DATA_HOME", home("data").toUtf8());
        QApplication::clipboard()->clear();
        list.fileOperations().setConfirmHook([this](Question question, const QStringList& paths) {
            asked.push_back({question, paths});
            return answer;
        });
        list.fileOperations().setFailureHook(
            [this](const QString&, const QStringList& paths) { failed += paths; });
        source.file("plan.dwg", "new plan");
        source.file("part.dxf", "part");
        source.file("folder/inside.dwg", "inside");
        destination.file("keep.txt", "keep");
    }
    void TearDown() override {
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedData);
        QApplication::clipboard()->clear();
    }

    void select(const QString& folder, const QStringList& names) {
        ASSERT_TRUE(list.setFolder(folder));
        QItemSelectionModel* selection = list.activeView()->selectionModel();
        selection->clear();
        for (const QString& name : names) {
            const int row = list.findByCaption(name);
            ASSERT_GE(row, 0) << name.toStdString();
            selection->select(list.activeView()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(list.activeView(), key, modifiers);
    }
    void pasteInto(const QString& folder) {
        ASSERT_TRUE(list.setFolder(folder));
        key(Qt::Key_V, Qt::ControlModifier);
    }
    QString trashed(const QString& name) const { return home("data/Trash/files/") + name; }

    TempFolder home;
    TempFolder source;
    TempFolder destination;
    ShellList list;
    std::vector<Asked> asked;
    QStringList failed;
    bool answer = false;
    QByteArray savedHome;
    QByteArray savedData;
};

} // namespace

TEST_F(FileOperationsTest, CopyAndPasteDuplicatesFilesAndFolders) {
    select(source.path(), {"plan.dwg", "folder"});
    key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->urls().size(), 2);
    EXPECT_TRUE(data->data("x-special/gnome-copied-files").startsWith("copy\nfile://"));

    pasteInto(destination.path());
    EXPECT_EQ(TempFolder::read(destination("plan.dwg")), "new plan");
    EXPECT_EQ(TempFolder::read(destination("folder/inside.dwg")), "inside");
    EXPECT_EQ(TempFolder::read(source("plan.dwg")), "new plan");
    EXPECT_EQ(TempFolder::read(source("folder/inside.dwg")), "inside");
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(failed.isEmpty());
    // The list shows the pasted items, selected.
    EXPECT_EQ(list.itemCount(), 3);
    EXPECT_EQ(list.selectedIndexes(),
              QList<int>({list.findByCaption("folder"), list.findByCaption("plan.dwg")}));
}

TEST_F(FileOperationsTest, PastingIntoTheSameFolderMakesNumberedCopies) {
    select(source.path(), {"plan.dwg", "folder"});
    key(Qt::Key_C, Qt::ControlModifier);
    pasteInto(source.path());
    pasteInto(source.path());
    EXPECT_EQ(TempFolder::read(source("plan (copy).dwg")), "new plan");
    EXPECT_EQ(TempFolder::read(source("plan (copy 2).dwg")), "new plan");
    EXPECT_EQ(TempFolder::read(source("folder (copy)/inside.dwg")), "inside");
    EXPECT_EQ(TempFolder::read(source("folder (copy 2)/inside.dwg")), "inside");
    EXPECT_EQ(TempFolder::read(source("plan.dwg")), "new plan");
    EXPECT_TRUE(asked.empty());
}

TEST_F(FileOperationsTest, NothingIsOverwrittenWithoutConsent) {
    struct Case {
        bool cut;
        bool answer;
        QByteArray targetAfter;
        bool sourceStays;
    };
    const Case cases[] = {
        {false, false, "old plan", true},
        {false, true, "new plan", true},
        {true, false, "old plan", true},
        {true, true, "new plan", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cut " << c.cut << " answer " << c.answer);
        source.file("plan.dwg", "new plan");
        destination.file("plan.dwg", "old plan");
        asked.clear();
        answer = c.answer;
        select(source.path(), {"plan.dwg"});
        key(c.cut ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
        pasteInto(destination.path());
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].question, Question::Overwrite);
        EXPECT_EQ(asked[0].paths, QStringList({destination("plan.dwg")}));
        EXPECT_EQ(TempFolder::read(destination("plan.dwg")), c.targetAfter);
        EXPECT_EQ(QFileInfo::exists(source("plan.dwg")), c.sourceStays);
        EXPECT_EQ(QDir(destination.path()).entryList(QDir::Files),
                  QStringList({"keep.txt", "plan.dwg"})); // no temporary files left
    }
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(FileOperationsTest, CutAndPasteMovesOnceAndEmptiesTheClipboard) {
    select(source.path(), {"part.dxf", "folder"});
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()
                    ->mimeData()
                    ->data("x-special/gnome-copied-files")
                    .startsWith("cut\n"));
    pasteInto(destination.path());
    EXPECT_EQ(TempFolder::read(destination("part.dxf")), "part");
    EXPECT_EQ(TempFolder::read(destination("folder/inside.dwg")), "inside");
    EXPECT_FALSE(QFileInfo::exists(source("part.dxf")));
    EXPECT_FALSE(QFileInfo::exists(source("folder")));
    EXPECT_FALSE(clipboardHoldsFiles());

    pasteInto(source.path()); // nothing left to paste
    EXPECT_FALSE(QFileInfo::exists(source("part.dxf")));
    EXPECT_TRUE(asked.empty());
}

TEST_F(FileOperationsTest, CutAndPasteIntoTheSameFolderLeavesTheFile) {
    select(source.path(), {"plan.dwg"});
    key(Qt::Key_X, Qt::ControlModifier);
    pasteInto(source.path());
    EXPECT_EQ(TempFolder::read(source("plan.dwg")), "new plan");
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(FileOperationsTest, AFolderIsNeverPastedIntoItself) {
    select(source.path(), {"folder"});
    for (Qt::Key command : {Qt::Key_C, Qt::Key_X}) {
        failed.clear();
        key(command, Qt::ControlModifier);
        pasteInto(source("folder"));
        EXPECT_EQ(failed, QStringList({source("folder")}));
        EXPECT_EQ(QDir(source("folder")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList({"inside.dwg"}));
        select(source.path(), {"folder"});
    }
}

TEST_F(FileOperationsTest, AFileNeverReplacesAFolder) {
    destination.file("folder/mine.txt", "mine");
    source.file("other/folder", "a file named like the folder");
    answer = true;
    select(source("other"), {"folder"});
    key(Qt::Key_C, Qt::ControlModifier);
    pasteInto(destination.path());
    EXPECT_EQ(TempFolder::read(destination("folder/mine.txt")), "mine");
    EXPECT_EQ(failed, QStringList({source("other/folder")}));
}

TEST_F(FileOperationsTest, ReplacingAFolderMergesIntoIt) {
    destination.file("folder/mine.txt", "mine");
    destination.file("folder/inside.dwg", "old inside");
    answer = true;
    select(source.path(), {"folder"});
    key(Qt::Key_C, Qt::ControlModifier);
    pasteInto(destination.path());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(TempFolder::read(destination("folder/inside.dwg")), "inside");
    EXPECT_EQ(TempFolder::read(destination("folder/mine.txt")), "mine");
}

TEST_F(FileOperationsTest, DeleteAsksAndThenTrashesOrRemoves) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        Question question;
        bool answer;
        bool stays;
        bool inTrash;
    };
    const Case cases[] = {
        {Qt::NoModifier, Question::Trash, false, true, false},
        {Qt::NoModifier, Question::Trash, true, false, true},
        {Qt::ShiftModifier, Question::Delete, false, true, false},
        {Qt::ShiftModifier, Question::Delete, true, false, false},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(round);
        const QString name = QStringLiteral("doomed%1.dwg").arg(round++);
        source.file(name, "doomed");
        asked.clear();
        answer = c.answer;
        select(source.path(), {name});
        key(Qt::Key_Delete, c.modifiers);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].question, c.question);
        EXPECT_EQ(asked[0].paths, QStringList({source(name)}));
        EXPECT_EQ(QFileInfo::exists(source(name)), c.stays);
        EXPECT_EQ(list.findByCaption(name) >= 0, c.stays);
        EXPECT_EQ(TempFolder::read(trashed(name)) == "doomed", c.inTrash);
    }
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(FileOperationsTest, DeletingAFolderTakesItsContents) {
    answer = true;
    select(source.path(), {"folder"});
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_FALSE(QFileInfo::exists(source("folder")));
    EXPECT_TRUE(QFileInfo::exists(source("plan.dwg")));
}

TEST_F(FileOperationsTest, PastingWhatIsNoFileListDoesNothing) {
    QApplication::clipboard()->setText(source("plan.dwg"));
    pasteInto(destination.path());
    EXPECT_EQ(list.itemCount(), 1);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(FileOperationsTest, AFileGoneSinceCopyingIsReported) {
    select(source.path(), {"plan.dwg"});
    key(Qt::Key_C, Qt::ControlModifier);
    QFile::remove(source("plan.dwg"));
    pasteInto(destination.path());
    EXPECT_EQ(failed, QStringList({source("plan.dwg")}));
    EXPECT_FALSE(QFileInfo::exists(destination("plan.dwg")));
}

TEST_F(FileOperationsTest, ThePlacesOfTheVirtualRootAreNoFiles) {
    answer = true;
    ASSERT_TRUE(list.setFolder("computer:"));
    ASSERT_GE(list.findByCaption("home"), 0); // the test's own home folder
    list.moveToItem(list.findByCaption("home"));
    for (Qt::Key command : {Qt::Key_C, Qt::Key_X}) {
        key(command, Qt::ControlModifier);
        EXPECT_FALSE(clipboardHoldsFiles());
    }
    key(Qt::Key_Delete);
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(QFileInfo::exists(home("data")));
}

TEST(FileClipboardFormat, ReadsBothDesktopFormatsBack) {
    const QStringList paths{"/tmp/a b.dwg", "/tmp/folder", "/tmp/中文.dxf",
                            "/tmp/odd #1?%20\nname.dwg"};
    for (bool cut : {false, true}) {
        std::unique_ptr<QMimeData> data(FileOperations::makeMimeData(paths, cut));
        bool readCut = !cut;
        EXPECT_EQ(FileOperations::pathsFromMimeData(data.get(), &readCut), paths);
        EXPECT_EQ(readCut, cut);
    }
    QMimeData urlsOnly;
    urlsOnly.setUrls({QUrl::fromLocalFile("/tmp/x.dwg"), QUrl("https://example.org/y.dwg")});
    bool cut = true;
    EXPECT_EQ(FileOperations::pathsFromMimeData(&urlsOnly, &cut), QStringList({"/tmp/x.dwg"}));
    EXPECT_FALSE(cut);
}
