#include "MainWindowFixture.h"

#include "app/Globals.h"
#include "browser/ImageLoadThread.h"
#include "browser/ThumbJobList.h"
#include "platform/Colors.h"
#include "platform/ShellCombo.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"
#include "viewer/DDVue.h"

#include <QAction>
#include <QLabel>

namespace {

using Lifecycle = MainWindowFixture;

TEST_F(Lifecycle, FirstRunWithoutFileTakesDefaultsAndWritesThirteenLines) {
    makeFile(filesFolder() + "plan.dwg");
    start({filesFolder()});
    EXPECT_EQ(window->ShellThumbFiles->thumbWidth(), 80);
    EXPECT_EQ(window->ShellThumbFiles->thumbHeight(), 100);
    EXPECT_EQ(window->ShellThumbFiles->horizBorder(), 12);
    EXPECT_EQ(window->ShellThumbFiles->vertBorder(), 12);
    EXPECT_EQ(window->ShellThumbFiles->thumbnailsBorderColor(), QColor(Qt::black));
    EXPECT_EQ(window->ShellThumbFiles->thumbnailsBackground(), QColor(Qt::white));
    EXPECT_EQ(window->ThumbBorderType, 1);
    EXPECT_EQ(window->ShellListFiles->fileFilter(), "*.dwg;*.dxf");
    EXPECT_TRUE(window->ShellListFiles->options() & ShellList::ShowHidden);
    EXPECT_EQ(window->DDVue1->BackColor(), 0u);
    EXPECT_TRUE(window->PM_Report->isChecked());
    EXPECT_TRUE(messages.empty());
    window->PM_Thumbnail->trigger();
    stop();

    const QString folder = filesFolder().chopped(1);
    EXPECT_EQ(readIni(), "[NORMAL]\r\n"
                         "Path=" +
                             folder.toUtf8() +
                             "\r\n"
                             "ViewType=2\r\n"
                             "[OPTIONS]\r\n"
                             "ThumbW=80\r\n"
                             "ThumbBorderColor=0\r\n"
                             "ThumbBackColor=16777215\r\n"
                             "ThumbBorderType=1\r\n"
                             "ThumbSpaceW=12\r\n"
                             "ThumbSpaceH=12\r\n"
                             "LoadAllFile=0\r\n"
                             "ShowHidden=1\r\n"
                             "BkColor=0\r\n");
}

TEST_F(Lifecycle, TitlesCarryVersionAndEdition) {
    start();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Tessvane 2.7.0 免费版"));
    EXPECT_EQ(ApplicationTitle, window->windowTitle());
    EXPECT_EQ(window->LabelCaption->text(), QString::fromUtf8("2.7.0 免费版"));
    EXPECT_TRUE(ChineseUI);
    EXPECT_EQ(AppFolder, appFolder.path() + u'/');
}

TEST_F(Lifecycle, FirstActivationCoversTheWorkAreaOnlyOnce) {
    start();
    const QRect covered = window->geometry();
    EXPECT_EQ(window->RestoreRect.size(), QSize(712, 486));
    window->resize(500, 400);
    window->FormActivate(); // coming back from another program
    EXPECT_EQ(window->size(), QSize(500, 400));
    EXPECT_NE(covered.size(), QSize(500, 400));
}

struct HandWritten {
    const char* name;
    QByteArray options;     // the [OPTIONS] section as written by hand
    QByteArray writtenBack; // a line the file holds after the run
    std::function<void(TFrmCAD&)> check;
};

TEST_F(Lifecycle, HandWrittenValuesTakeEffectAndAreWrittenBack) {
    const HandWritten cases[] = {
        {"not a number", "[OPTIONS]\r\nThumbW=abc\r\n", "ThumbW=80\r\n",
         [](TFrmCAD& w) {
             EXPECT_EQ(w.ShellThumbFiles->thumbWidth(), 80);
             EXPECT_EQ(w.ShellThumbFiles->thumbHeight(), 100);
         }},
        {"hexadecimal", "[OPTIONS]\r\nThumbW=0x64\r\n", "ThumbW=100\r\n",
         [](TFrmCAD& w) {
             EXPECT_EQ(w.ShellThumbFiles->thumbWidth(), 100);
             EXPECT_EQ(w.ShellThumbFiles->thumbHeight(), 120);
         }},
        {"boolean 2", "[OPTIONS]\r\nLoadAllFile=2\r\n", "LoadAllFile=1\r\n",
         [](TFrmCAD& w) { EXPECT_EQ(w.ShellListFiles->fileFilter(), QString()); }},
        {"8 bits", "[OPTIONS]\r\nThumbBorderType=257\r\n", "ThumbBorderType=1\r\n",
         [](TFrmCAD& w) { EXPECT_EQ(w.ThumbBorderType, 1); }},
        {"dollar colour", "[OPTIONS]\r\nThumbBackColor=$FF0000\r\n", "ThumbBackColor=16711680\r\n",
         [](TFrmCAD& w) {
             EXPECT_EQ(w.ShellThumbFiles->thumbnailsBackground(), QColor(0, 0, 255));
         }},
        {"lower case", "[options]\r\nthumbw=90\r\n", "[options]\r\nthumbw=90\r\n",
         [](TFrmCAD& w) {
             EXPECT_EQ(w.ShellThumbFiles->thumbWidth(), 90);
             EXPECT_EQ(w.ShellThumbFiles->thumbHeight(), 110);
         }},
        {"hidden off, blue view", "[OPTIONS]\r\nShowHidden=0\r\nBkColor=16711680\r\n",
         "ShowHidden=0\r\n",
         [](TFrmCAD& w) {
             EXPECT_FALSE(w.ShellListFiles->options() & ShellList::ShowHidden);
             EXPECT_EQ(w.DDVue1->BackColor(), 16711680u);
         }},
    };
    for (const HandWritten& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni("[NORMAL]\r\nPath=" + filesFolder().toUtf8() + "\r\n" + c.options);
        start();
        c.check(*window);
        stop();
        const QByteArray after = readIni();
        EXPECT_TRUE(after.contains(c.writtenBack)) << after.constData();
        EXPECT_EQ(after.count("[OPTIONS]") + after.count("[options]"), 1) << after.constData();
    }
}

TEST_F(Lifecycle, UnexpectedViewTypesStartInReportMode) {
    for (const char* viewType : {"7", "5", "-1", "x"}) {
        SCOPED_TRACE(viewType);
        writeIni(QByteArray("[NORMAL]\r\nViewType=") + viewType + "\r\n");
        start();
        EXPECT_EQ(window->ThumbnailMode, 0);
        EXPECT_TRUE(window->PM_Report->isChecked());
        EXPECT_EQ(window->ShellListFiles->viewStyle(), ShellList::ViewStyle::Report);
        window->PM_List->trigger();
        stop();
        EXPECT_TRUE(readIni().contains("\r\nViewType=1\r\n"));
    }
}

TEST_F(Lifecycle, CommentsAndUnknownSectionsSurviveByteForByte) {
    const QByteArray head = "; written by hand\r\n[MINE]\r\nKey = value ; keep\r\n\r\n";
    const QByteArray tail = "[LAST]\nonly-lf=1\n";
    writeIni(head + "[NORMAL]\r\nPath=" + filesFolder().toUtf8() +
             "\r\n; between\r\nViewType=1\r\n\r\n" + tail);
    start();
    stop();
    const QByteArray after = readIni();
    EXPECT_TRUE(after.startsWith(head + "[NORMAL]\r\nPath=")) << after.constData();
    EXPECT_TRUE(after.contains("\r\n; between\r\nViewType=1\r\n\r\n" + tail)) << after.constData();
    EXPECT_TRUE(after.endsWith(tail + "[OPTIONS]\r\nThumbW=80\r\n"
                                      "ThumbBorderColor=0\r\nThumbBackColor=16777215\r\n"
                                      "ThumbBorderType=1\r\nThumbSpaceW=12\r\nThumbSpaceH=12\r\n"
                                      "LoadAllFile=0\r\nShowHidden=1\r\nBkColor=0\r\n"))
        << after.constData();
}

TEST_F(Lifecycle, ReadOnlyFileShowsTheErrorOnceAndStaysUnchanged) {
    const QByteArray before = "[NORMAL]\r\nPath=/nowhere\r\nViewType=1\r\n; mine\r\n";
    writeIni(before);
    QFile::setPermissions(iniPath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    start();
    EXPECT_TRUE(messages.empty());
    stop();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].caption, QString::fromUtf8("Tessvane 2.7.0 免费版"));
    EXPECT_EQ(messages[0].text, "Unable to write to " + iniPath() + ".");
    EXPECT_EQ(readIni(), before);
}

TEST_F(Lifecycle, LoaderEndsAtShutdownWithJobsQueued) {
    for (int i = 0; i < 40; ++i)
        makeFile(filesFolder() + QStringLiteral("d%1.dwg").arg(i));
    start({filesFolder()});
    window->PM_Thumbnail->trigger();
    ASSERT_EQ(window->ShellThumbFiles->cellCount(), 40);
    for (int i = 0; i < 40; ++i)
        window->ThumbJobList->add(i);
    window->ThumbLoader->Resume();
    stop(); // returns: the loader was stopped and joined, the settings written
    EXPECT_TRUE(readIni().contains("ViewType=2"));
}

} // namespace
