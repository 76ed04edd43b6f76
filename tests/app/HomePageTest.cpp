#include "MainWindowFixture.h"

#include "app/BitmapButton.h"
#include "app/HomePages.h"
#include "app/LinkLauncher.h"

#include <QAction>
#include <QLabel>
#include <QUrl>

namespace {

// Stands in for the desktop: records every call, and opens a target only when told to.
struct LauncherDouble {
    bool opens = false;
    QStringList opened;
    QStringList chosen;
    std::vector<std::pair<QString, QStringList>> started;

    LinkLauncher launcher() {
        return {[this](const QString& target) {
                    opened.append(target);
                    return opens;
                },
                [this](QWidget*, const QString& target) { chosen.append(target); },
                [this](const QString& program, const QStringList& arguments) {
                    started.emplace_back(program, arguments);
                }};
    }
};

struct LinkCase {
    const char* name;
    QString target;
    bool desktopOpens;
    bool handedToDesktop;
    bool choosesApplication;
};

TEST(OpenLink, BlankDoesNothingAFailingHtmPageLetsTheUserChooseAnythingElseEndsSilently) {
    const LinkCase cases[] = {
        {"empty", "", false, false, false},
        {"blanks", " \t\r\n ", false, false, false},
        {"control characters", QString::fromLatin1("\x01\x1f "), false, false, false},
        {"opened address", "https://example.com/", true, true, false},
        {"opened page", "/usr/share/tessvane/docs/home.htm", true, true, false},
        {"failing page", "/nowhere/home.htm", false, true, true},
        {"failing page in capitals", "/NOWHERE/HOME.HTM", false, true, true},
        {"failing page URL in mixed case", "file:///nowhere/Home.Htm", false, true, true},
        {"failing address", "https://example.com", false, true, false},
        {"failing .html page", "/nowhere/home.html", false, true, false},
        {"failing folder named .htm", "/nowhere/pages.htm/", false, true, false},
        {"failing drawing", "/nowhere/plan.dwg", false, true, false},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        LauncherDouble desktop;
        desktop.opens = c.desktopOpens;
        OpenLink(nullptr, c.target, desktop.launcher());
        EXPECT_EQ(desktop.opened, c.handedToDesktop ? QStringList{c.target} : QStringList{});
        EXPECT_EQ(desktop.chosen, c.choosesApplication ? QStringList{c.target} : QStringList{});
        EXPECT_TRUE(desktop.started.empty());
    }
}

TEST(OpenLink, TheDesktopCannotOpenAMissingPage) {
    EXPECT_FALSE(DesktopLinkLauncher().openOnDesktop("/nowhere/at/all/home.htm"));
}

class HomePageAddress : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prefix.isValid()); }

    QString path(const QString& relative) const { return prefix.path() + u'/' + relative; }

    void makePage(const QString& relative) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile page(path(relative));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }

    static QString fileUrl(const QString& file) { return QUrl::fromLocalFile(file).toString(); }

    QTemporaryDir prefix;
};

TEST_F(HomePageAddress, ThePageBesideTheProgramComesBeforeTheInstalledOne) {
    makePage("bin/docs/home.htm");
    makePage("share/tessvane/docs/home.htm");
    EXPECT_EQ(::HomePageAddress(path("bin/"), "home.htm"), fileUrl(path("bin/docs/home.htm")));
}

TEST_F(HomePageAddress, AnInstalledProgramFindsItsPageUnderItsPrefix) {
    makePage("share/tessvane/docs/home.zh_CN.htm");
    EXPECT_EQ(::HomePageAddress(path("bin/"), "home.zh_CN.htm"),
              fileUrl(path("share/tessvane/docs/home.zh_CN.htm")));
}

TEST_F(HomePageAddress, WithoutEitherPageTheAddressIsWhereTheInstallPutsIt) {
    EXPECT_EQ(::HomePageAddress(path("bin/"), "home.htm"),
              fileUrl(path("share/tessvane/docs/home.htm")));
}

TEST_F(HomePageAddress, FoldersWithBlanksAreEscapedAndThePageStillEndsInHtm) {
    makePage("my tools/bin/docs/home.htm");
    const QString address = ::HomePageAddress(path("my tools/bin/"), "home.htm");
    EXPECT_TRUE(address.startsWith("file:///"));
    EXPECT_TRUE(address.contains("my%20tools"));
    EXPECT_TRUE(address.endsWith(".htm"));
    EXPECT_EQ(QUrl(address).toLocalFile(), path("my tools/bin/docs/home.htm"));
}

TEST(HomePages, BothPagesLieBesideTheProgramInTheBuildTree) {
    const QString program = QStringLiteral(TESSVANE_PROGRAM_FOLDER);
    const struct {
        const char* file;
        const char* language;
    } pages[] = {{"home.htm", "lang=\"en\""}, {"home.zh_CN.htm", "lang=\"zh-CN\""}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.file);
        const QString address = ::HomePageAddress(program, page.file);
        QFile file(QUrl(address).toLocalFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << address.toStdString();
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains(page.language));
        EXPECT_TRUE(text.contains("charset=\"utf-8\"") || text.contains("charset=utf-8"));
        EXPECT_TRUE(text.contains("href=\"home.css\""));
    }
    // The style sheet the pages share lies beside them.
    EXPECT_TRUE(QFileInfo(QUrl(::HomePageAddress(program, "home.css")).toLocalFile()).isFile());
}

// The main window with the desktop's calls recorded.
class HomePageLinks : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        setLinkLauncher(desktop.launcher());
        window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}});
        window->FirstActivation = false;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        setLinkLauncher(DesktopLinkLauncher());
        MainWindowFixture::TearDown();
    }

    void clickButton() { QTest::mouseClick(window->BtnHomepage, Qt::LeftButton); }
    void chooseEntry() { window->PM_Homepage->trigger(); }
    void clickLogo() { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, {100, 50}); }

    LauncherDouble desktop;
};

TEST_F(HomePageLinks, TheWindowsAddressIsTheChinesePageInstalledWithTheProgram) {
    EXPECT_EQ(window->HomePageURL, QString(kChineseHomePage));
    EXPECT_TRUE(window->HomePageURL.endsWith("/home.zh_CN.htm"));
    EXPECT_TRUE(QString(kEnglishHomePage).endsWith("/home.htm"));
}

TEST_F(HomePageLinks, ButtonAndMenuEntryHandTheAddressToTheDesktopAndTheLogoStartsTheBrowser) {
    desktop.opens = true;
    clickButton();
    chooseEntry();
    EXPECT_EQ(desktop.opened, QStringList({window->HomePageURL, window->HomePageURL}));
    EXPECT_TRUE(desktop.started.empty());
    clickLogo();
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].first, "x-www-browser");
    EXPECT_EQ(desktop.started[0].second, QStringList{window->HomePageURL});
    EXPECT_EQ(desktop.opened.size(), 2);
    EXPECT_TRUE(desktop.chosen.empty());
}

TEST_F(HomePageLinks, AFailingPageBringsUpTheChoiceOfApplication) {
    clickButton();
    EXPECT_EQ(desktop.chosen, QStringList{window->HomePageURL});
}

TEST_F(HomePageLinks, ABlankAddressMakesButtonAndMenuEntryDoNothing) {
    window->HomePageURL = "  ";
    clickButton();
    chooseEntry();
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_TRUE(desktop.chosen.empty());
}

} // namespace
