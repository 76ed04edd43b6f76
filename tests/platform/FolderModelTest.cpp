#include "platform/FolderModel.h"

#include "TempFolder.h"

#include <QDir>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

QStringList names(const QList<ShellItem>& items) {
    QStringList result;
    for (const ShellItem& item : items) {
        result.append(item.displayName);
    }
    return result;
}

QStringList listed(const QString& folder, const QString& filter, bool showHidden) {
    FolderModel model;
    model.setFolder(FolderModel::resolve(folder));
    model.setFilter(filter);
    model.setShowHidden(showHidden);
    model.reload();
    return names(model.items());
}

} // namespace

TEST(FolderModel, ListsFoldersFirstThenFilesInNaturalOrder) {
    TempFolder dir;
    dir.files({"b10.dwg", "B2.dwg", "a.txt", "Zeta/", "alpha/", "sheet1.DXF", "beta10/", "beta9/"});
    EXPECT_EQ(listed(dir.path(), "", false),
              QStringList({"alpha", "beta9", "beta10", "Zeta", "a.txt", "B2.dwg", "b10.dwg",
                           "sheet1.DXF"}));
}

TEST(FolderModel, FilterSelectsFilesOnlyAndIgnoresCase) {
    TempFolder dir;
    dir.files({"plan.dwg", "PART.DWG", "title.Dxf", "notes.txt", "plan.dwg.bak", "drawings.dwg/",
               "old/", "[a"});
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"*.dwg;*.dxf", {"drawings.dwg", "old", "PART.DWG", "plan.dwg", "title.Dxf"}},
        {"",
         {"drawings.dwg", "old", "[a", "notes.txt", "PART.DWG", "plan.dwg", "plan.dwg.bak",
          "title.Dxf"}},
        {"[A;*.txt", {"drawings.dwg", "old", "[a", "notes.txt"}}, // no wildcard: the text itself
        {" *.TXT ; ", {"drawings.dwg", "old", "notes.txt"}},
        {"*.none", {"drawings.dwg", "old"}},
        {"plan.*", {"drawings.dwg", "old", "plan.dwg", "plan.dwg.bak"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(listed(dir.path(), c.filter, false), c.expected) << c.filter;
    }
}

TEST(FolderModel, HiddenNamesShowOnlyWhenAsked) {
    TempFolder dir;
    dir.files({".config/", ".profile", "visible.dwg", "secret.dwg", "private/"});
    dir.file(".hidden", "secret.dwg\nprivate\n\n");
    EXPECT_EQ(listed(dir.path(), "", false), QStringList({"visible.dwg"}));
    EXPECT_EQ(listed(dir.path(), "", true), QStringList({".config", "private", ".hidden",
                                                         ".profile", "secret.dwg", "visible.dwg"}));
}

TEST(FolderModel, ItemsCarryPathsAndDetails) {
    TempFolder dir;
    dir.file("plan.dwg", QByteArray(58 * 1024 - 100, 'x'));
    dir.folder("sub");
    FolderModel model;
    model.setFolder(FolderModel::resolve(dir.path()));
    model.reload();
    ASSERT_EQ(model.items().size(), 2);
    const ShellItem& folder = model.items()[0];
    EXPECT_TRUE(folder.inFileSystem);
    EXPECT_TRUE(folder.isFolder);
    EXPECT_EQ(folder.path, dir("sub/"));
    EXPECT_EQ(folder.identity, folder.path);
    EXPECT_EQ(folder.detail[0], "");
    EXPECT_FALSE(folder.detail[1].isEmpty());
    EXPECT_FALSE(folder.detail[2].isEmpty());
    const ShellItem& file = model.items()[1];
    EXPECT_FALSE(file.isFolder);
    EXPECT_EQ(file.path, dir("plan.dwg"));
    EXPECT_EQ(file.detail[0], "58 KB");
    EXPECT_FALSE(file.detail[1].isEmpty());
    const QString modified =
        QLocale().toString(QFileInfo(dir("plan.dwg")).lastModified(), QLocale::ShortFormat);
    EXPECT_EQ(file.detail[2], modified);
}

TEST(FolderModel, SizesAreKilobytesRoundedUp) {
    struct Case {
        qint64 bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 KB"}, {1, "1 KB"}, {1024, "1 KB"}, {1025, "2 KB"}, {58 * 1024, "58 KB"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FolderModel::sizeText(c.bytes), c.text) << c.bytes;
    }
    EXPECT_EQ(FolderModel::sizeText(2048LL * 1024 * 1024),
              QLocale().toString(2048LL * 1024) + " KB");
}

TEST(FolderModel, ResolvesPathsAndIdentities) {
    TempFolder dir;
    dir.files({"sub/", "plan.dwg"});
    struct Case {
        QString given;
        QString expected;
    };
    const Case cases[] = {
        {dir("sub"), dir("sub/")},
        {dir("sub/"), dir("sub/")},
        {dir("sub/../sub//"), dir("sub/")},
        {QString("file://") + dir("sub"), dir("sub/")},
        {dir("plan.dwg"), ""},
        {dir("missing"), ""},
        {"relative/path", ""},
        {"", ""},
        {"/", "/"},
        {"~", QDir::homePath() + "/"},
        {FolderModel::kComputerIdentity, FolderModel::kComputerIdentity},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderModel::resolve(c.given), c.expected) << c.given.toStdString();
    }
}

TEST(FolderModel, ParentsLeadUpToTheVirtualRoot) {
    struct Case {
        const char* identity;
        QString parent;
    };
    const Case cases[] = {
        {"/home/ann/Drawings/", "/home/ann/"},
        {"/home/", "/"},
        {"/", FolderModel::kComputerIdentity},
        {"computer:", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderModel::parentOf(c.identity), c.parent) << c.identity;
    }
}

TEST(FolderModel, ComputerListsHomeAndTheFileSystemRoot) {
    FolderModel model;
    model.setFolder(FolderModel::kComputerIdentity);
    model.setFilter("*.dwg"); // the root's entries are folders: never filtered
    model.reload();
    ASSERT_GE(model.items().size(), 2);
    EXPECT_EQ(model.items()[0].path, QDir::homePath() + "/");
    EXPECT_EQ(model.items()[1].path, "/");
    for (const ShellItem& item : model.items()) {
        EXPECT_TRUE(item.isFolder);
        EXPECT_TRUE(item.inFileSystem);
        EXPECT_TRUE(item.path.endsWith('/'));
    }
    const ShellItem root = FolderModel::describeFolder(FolderModel::kComputerIdentity);
    EXPECT_FALSE(root.inFileSystem);
    EXPECT_EQ(root.path, "");
    EXPECT_EQ(root.displayName, "Computer");
}

TEST(FolderModel, AFolderThatVanishesListsNothing) {
    FolderModel model;
    {
        TempFolder dir;
        dir.files({"a.dwg"});
        model.setFolder(FolderModel::resolve(dir.path()));
        model.reload();
        EXPECT_EQ(model.items().size(), 1);
    }
    model.reload();
    EXPECT_TRUE(model.items().isEmpty());
}
