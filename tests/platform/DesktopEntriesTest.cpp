#include "platform/DesktopEntries.h"
#include "DesktopFixture.h"
#include "platform/DesktopLaunch.h"
#include "platform/MimeApps.h"

#include <QMimeDatabase>

#include <gtest/gtest.h>

namespace {

QStringList names(const std::vector<DesktopApplication>& applications) {
    QStringList result;
    for (const DesktopApplication& application : applications)
        result << application.name;
    return result;
}

QMimeType mimeType(const char* name) {
    return QMimeDatabase().mimeTypeForName(name);
}

TEST(DesktopEntries, ParseReadsApplicationsAndRejectsTheRest) {
    struct Case {
        const char* name;
        const char* text;
        bool application;
        const char* exec;
        QStringList mimeTypes;
    } cases[] = {
        {"application",
         "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer "
         "%f\nMimeType=image/vnd.dwg;text/plain;\n",
         true,
         "viewer %f",
         {"image/vnd.dwg", "text/plain"}},
        {"comments, blanks and other groups",
         "# comment\n\n[Desktop Action New]\nExec=other\n[Desktop Entry]\n Type = "
         "Application\nName=V\nExec=v\\s%U\n",
         true,
         "v %U",
         {}},
        {"first of a repeated key",
         "[Desktop Entry]\nType=Application\nName=V\nExec=one\nExec=two\n",
         true,
         "one",
         {}},
        {"a link",
         "[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org\n",
         false,
         "",
         {}},
        {"hidden",
         "[Desktop Entry]\nType=Application\nName=V\nExec=v\nHidden=true\n",
         false,
         "",
         {}},
        {"without Exec", "[Desktop Entry]\nType=Application\nName=V\n", false, "", {}},
        {"without a name", "[Desktop Entry]\nType=Application\nExec=v\n", false, "", {}},
        {"keys outside any group", "Type=Application\nName=V\nExec=v\n", false, "", {}},
        {"binary junk", "\x7f\x45\x4c\x46\x02\x01\x01\x00[[[===", false, "", {}},
        {"empty", "", false, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto application = ParseDesktopEntry("x.desktop", c.text);
        ASSERT_EQ(application.has_value(), c.application);
        if (application) {
            EXPECT_EQ(application->exec, c.exec);
            EXPECT_EQ(application->mimeTypes, c.mimeTypes);
        }
    }
}

TEST(DesktopEntries, LaunchCommandExpandsFieldCodesAndUndoesQuoting) {
    const QString file = "/home/ann/my plan.dwg";
    const QString url = "file:///home/ann/my%20plan.dwg";
    struct Case {
        const char* exec;
        QStringList command;
    } cases[] = {
        {"viewer %f", {"viewer", file}},
        {"viewer %U", {"viewer", url}},
        {"viewer --open=%u", {"viewer", "--open=" + url}},
        {"viewer", {"viewer", file}},
        {"\"/opt/My Viewer/bin/viewer\" %F", {"/opt/My Viewer/bin/viewer", file}},
        {"sh -c \"echo \\\"\\$1\\\"\" sh %f", {"sh", "-c", "echo \"$1\"", "sh", file}},
        {"viewer %i --name %c %k %d %f",
         {"viewer", "--icon", "viewer-icon", "--name", "Viewer", file}},
        {"viewer 100%% %f", {"viewer", "100%", file}},
        {"viewer \"unterminated %f", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        DesktopApplication application;
        application.name = "Viewer";
        application.icon = "viewer-icon";
        application.exec = c.exec;
        EXPECT_EQ(LaunchCommand(application, file), c.command);
    }
}

TEST(DesktopEntries, CatalogueShadowsByIdAndFiltersByMimeType) {
    DesktopFixture desktop;
    desktop.addEntry("viewer.desktop", desktop.recorderEntry("System Viewer", "image/vnd.dwg;"));
    desktop.addEntry("viewer.desktop", desktop.recorderEntry("User Viewer", "image/vnd.dwg;"),
                     true);
    desktop.addEntry("masked.desktop", desktop.recorderEntry("Masked", "image/vnd.dwg;"));
    desktop.addEntry("masked.desktop",
                     "[Desktop Entry]\nType=Application\nName=M\nExec=m\nHidden=true\n", true);
    desktop.addEntry("vendor/nested.desktop", desktop.recorderEntry("Nested", "image/vnd.dxf;"));
    desktop.addEntry("notes.desktop", desktop.recorderEntry("Notes", "text/plain;"));
    desktop.addEntry("code.desktop", desktop.recorderEntry("Code", "text/x-csrc;"));
    desktop.addEntry("hex.desktop", desktop.recorderEntry("Hex", "application/octet-stream;"));
    desktop.addEntry("menuless.desktop",
                     desktop.recorderEntry("Menuless", "image/vnd.dwg;", "NoDisplay=true\n"));

    const std::vector<DesktopApplication> all = DesktopApplications();
    EXPECT_EQ(names(all),
              QStringList({"Code", "Hex", "Menuless", "Nested", "Notes", "User Viewer"}));
    EXPECT_EQ(all[3].id, "vendor-nested.desktop");

    const std::pair<const char*, QStringList> byType[] = {
        {"image/vnd.dwg", {"Menuless", "User Viewer"}},
        {"image/vnd.dxf", {"Nested"}},
        {"text/plain", {"Notes"}},
        {"text/x-csrc", {"Code", "Notes"}}, // C source is a kind of plain text
        {"application/octet-stream", {"Hex"}},
        {"application/pdf", {}},
    };
    for (const auto& [type, expected] : byType)
        EXPECT_EQ(names(ApplicationsForMimeType(all, mimeType(type))), expected) << type;
}

TEST(DesktopEntries, DefaultApplicationFollowsMimeAppsAndPrefersInstalledOnes) {
    DesktopFixture desktop;
    desktop.addEntry("first.desktop", desktop.recorderEntry("First", "image/vnd.dwg;text/plain;"));
    desktop.addEntry("second.desktop",
                     desktop.recorderEntry("Second", "image/vnd.dwg;text/plain;"));
    desktop.addEntry("gone.desktop", desktop.recorderEntry("Gone", "image/vnd.dwg;image/vnd.dxf;",
                                                           "TryExec=/nonexistent/gone\n"));
    desktop.addEntry("extra.desktop", desktop.recorderEntry("Extra", ""));
    desktop.setMimeApps("[Default Applications]\nimage/vnd.dxf=first.desktop;\n", "fixture");
    desktop.setMimeApps(
        "[Default Applications]\nimage/vnd.dwg=gone.desktop;missing.desktop;second.desktop;\n"
        "[Added Associations]\napplication/pdf=extra.desktop;\n"
        "[Removed Associations]\ntext/plain=first.desktop;\n");
    const auto all = DesktopApplications();
    const std::pair<const char*, const char*> cases[] = {
        {"image/vnd.dwg", "Second"},  // uninstalled and unknown defaults passed over
        {"application/pdf", "Extra"}, // added association
        {"text/plain", "Second"},     // first is removed for the type
        {"image/vnd.dxf", "First"},   // the running desktop's own default
        {"application/zip", nullptr},
    };
    for (const auto& [type, expected] : cases) {
        SCOPED_TRACE(type);
        const auto application = DefaultApplicationFor(all, mimeType(type));
        ASSERT_EQ(application.has_value(), expected != nullptr);
        if (application) {
            EXPECT_EQ(application->name, expected);
        }
    }
    desktop.setMimeApps("", "fixture");
    const auto gone = DefaultApplicationFor(DesktopApplications(), mimeType("image/vnd.dxf"));
    ASSERT_TRUE(gone.has_value()); // the only candidate, though not installed
    EXPECT_EQ(gone->name, "Gone");
    EXPECT_FALSE(IsInstalled(*gone));
}

TEST(DesktopEntries, LaunchStartsTheApplicationWithTheFile) {
    DesktopFixture desktop;
    desktop.addEntry("viewer.desktop", desktop.recorderEntry("Viewer", "image/vnd.dwg;"));
    const QString file = desktop.document("my plan.dwg");
    const auto all = DesktopApplications();
    ASSERT_EQ(all.size(), 1u);
    ASSERT_TRUE(LaunchApplication(all[0], file));
    EXPECT_EQ(desktop.openedBy("Viewer"), file + "\n");

    DesktopApplication missing = all[0];
    missing.exec = "/nonexistent/program %f";
    EXPECT_FALSE(LaunchApplication(missing, file));
}

} // namespace
