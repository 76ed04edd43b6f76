#include "platform/Desktop.h"
#include "platform/FolderModel.h"

#include "TempFolder.h"

#include <QFile>
#include <QIcon>

#include <gtest/gtest.h>

namespace {

// Makes the icon theme empty for one test, so only the bundled icons remain.
class WithoutIconTheme {
public:
    WithoutIconTheme()
        : name_(QIcon::themeName()), paths_(QIcon::themeSearchPaths()),
          fallbackPaths_(QIcon::fallbackSearchPaths()) {
        QIcon::setThemeSearchPaths({});
        QIcon::setFallbackSearchPaths({});
        QIcon::setThemeName(QStringLiteral("tessvane-test-none"));
    }
    ~WithoutIconTheme() {
        QIcon::setThemeSearchPaths(paths_);
        QIcon::setFallbackSearchPaths(fallbackPaths_);
        QIcon::setThemeName(name_);
    }

private:
    QString name_;
    QStringList paths_;
    QStringList fallbackPaths_;
};

QImage pictureOf(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(Desktop, WithoutAThemeEveryItemGetsItsBundledIcon) {
    if (!QFile::exists(":/icons/folder.png")) {
        GTEST_SKIP() << "the program's pictures are not built into this test";
    }
    const WithoutIconTheme noTheme;
    TempFolder dir;
    dir.files({"sub/", "plan.DWG", "part.dxf", "notes.txt", "noending"});
    struct Case {
        QString path;
        const char* bundled;
    };
    const Case cases[] = {
        {dir("sub/"), ":/icons/folder.png"},      {dir("sub"), ":/icons/folder.png"},
        {dir("plan.DWG"), ":/icons/drawing.png"}, {dir("part.dxf"), ":/icons/drawing.png"},
        {dir("notes.txt"), ":/icons/file.png"},   {dir("noending"), ":/icons/file.png"},
        {dir("gone.dwg"), ":/icons/drawing.png"},
    };
    for (const Case& c : cases) {
        const QIcon icon = fileIcon(c.path);
        ASSERT_FALSE(icon.isNull()) << c.path.toStdString();
        EXPECT_EQ(pictureOf(icon), pictureOf(QIcon(c.bundled))) << c.path.toStdString();
    }
    const ShellItem computer = FolderModel::describeFolder(FolderModel::kComputerIdentity);
    EXPECT_EQ(pictureOf(itemIcon(computer)), pictureOf(QIcon(":/icons/folder.png")));
}

TEST(Desktop, TheWorkAreaLiesOnThePrimaryScreen) {
    const QRect area = primaryWorkArea();
    EXPECT_FALSE(area.isEmpty());
}
