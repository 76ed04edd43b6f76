#include "app/AppFolder.h"
#include "app/ErrorReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AppFolder, IsTheExecutablesFolderWithOneTrailingSeparator) {
    const QString folder = GetAppFolder();
    EXPECT_EQ(folder, QCoreApplication::applicationDirPath() + u'/');
    EXPECT_FALSE(folder.endsWith("//"));
}

TEST(AppFolder, FolderPartKeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(FolderPart("/home/ann/plan.dwg"), "/home/ann/");
    EXPECT_EQ(FolderPart("/plan.dwg"), "/");
    EXPECT_EQ(FolderPart("plan.dwg"), "");
    EXPECT_EQ(FolderPart("/home/ann/"), "/home/ann/");
}

TEST(AppFolder, SettingsLiveBesideTheProgramOrInTheUsersConfigFolder) {
    QTemporaryDir beside, config;
    EXPECT_EQ(SettingsPath(beside.path() + u'/'), beside.path() + "/Tessvane.ini");

    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString unwritable = beside.path() + "/not/there/";
    EXPECT_EQ(SettingsPath(unwritable), config.path() + "/Tessvane/Tessvane.ini");
    EXPECT_TRUE(QFile::exists(config.path() + "/Tessvane"));
    qputenv("XDG_CONFIG_HOME", previous);
}

TEST(StandardError, AddsAPeriodOnlyAfterCharactersThatSortAfterIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {{"Unable to write to /a/Tessvane.ini", "Unable to write to /a/Tessvane.ini."},
                 {"Done.", "Done."},
                 {"Stop!", "Stop!"},
                 {"Failed -", "Failed -"},
                 {"Code 7", "Code 7."},
                 {"", ""},
                 {"\xe8\xb7\xaf\xe5\xbe\x84", "\xe8\xb7\xaf\xe5\xbe\x84."}};
    for (const auto& c : cases)
        EXPECT_EQ(StandardErrorText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

} // namespace
