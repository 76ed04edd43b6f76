#include "MainWindowFixture.h"

#include "app/BitmapButton.h"
#include "app/Globals.h"
#include "app/HomePages.h"
#include "options/UnitOptions.h"
#include "platform/ThumbGrid.h"
#include "tests/InterfaceTextWalk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class InterfaceTexts : public MainWindowFixture {
protected:
    void create(bool chinese) {
        window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}, chinese});
    }

    // The save dialog keeps its English title and filters in both languages.
    bool isSaveDialog(const QObject* object) const { return object == window->SaveDialog1; }

    std::vector<ShownText> windowTexts() const {
        return ShownTexts(window.get(), [this](const QObject* o) { return isSaveDialog(o); });
    }

    // Opens the options dialog from the main menu and hands it to `look` while it is open.
    void withOptionsDialog(const std::function<void(TFrmOptions&)>& look) {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<TFrmOptions*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            look(*open);
            looked = true;
            open->BtnClose->click();
        });
        window->PM_Options->trigger();
        EXPECT_TRUE(looked);
    }
};

bool isColourPicker(const QObject* object) {
    return object->inherits("ColorComboBox");
}

TEST_F(InterfaceTexts, ChineseLeavesNoEnglishCaptionHintOrMenuText) {
    create(true);
    for (const ShownText& shown : windowTexts())
        EXPECT_FALSE(IsEnglish(shown.text))
            << shown.owner.toStdString() << ": " << shown.text.toStdString();
    EXPECT_EQ(window->SaveDialog1->windowTitle(), "Save As");
    EXPECT_EQ(window->HomePageURL, kChineseHomePage);
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromUtf8("免费版")));
    withOptionsDialog([](TFrmOptions& options) {
        for (const ShownText& shown : ShownTexts(&options, isColourPicker))
            EXPECT_FALSE(IsEnglish(shown.text))
                << shown.owner.toStdString() << ": " << shown.text.toStdString();
    });
}

TEST_F(InterfaceTexts, EnglishKeepsEveryDesignTextAndFont) {
    create(false);
    EXPECT_FALSE(ChineseUI);
    for (const ShownText& shown : windowTexts())
        EXPECT_FALSE(HasChinese(shown.text))
            << shown.owner.toStdString() << ": " << shown.text.toStdString();
    EXPECT_TRUE(window->windowTitle().endsWith("Free version"));
    EXPECT_TRUE(window->LabelCaption->text().endsWith("Free version"));
    EXPECT_EQ(window->HomePageURL, kEnglishHomePage);
    EXPECT_EQ(window->font().family(), "Tahoma");
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->RzPanelWaite->text(), "Opening...");
    EXPECT_EQ(window->RzPanelWaite->font().family(), "Tahoma");
    EXPECT_EQ(window->PM_Exit->text(), "E&xit");
    EXPECT_EQ(window->BtnZoomPrev->toolTip(), "Zoom previous");
    withOptionsDialog([](TFrmOptions& options) {
        EXPECT_EQ(options.windowTitle(), "Options");
        for (const ShownText& shown : ShownTexts(&options, isColourPicker))
            EXPECT_FALSE(HasChinese(shown.text)) << shown.owner.toStdString();
    });
}

TEST_F(InterfaceTexts, ChineseFontChangesOnlyNameAndSize) {
    create(true);
    EXPECT_EQ(window->RzPanelWaite->font().pointSize(), 9);
    EXPECT_EQ(window->RzPanelWaite->palette().color(QPalette::WindowText), Qt::white);
    EXPECT_EQ(window->LabelCaption->font().pointSize(), 8);
    EXPECT_TRUE(window->LabelCaption->font().bold());
    EXPECT_FALSE(window->font().bold());
}

TEST_F(InterfaceTexts, OptionsEntryChangesTheWindowLive) {
    start();
    withOptionsDialog([](TFrmOptions& options) {
        options.ComboBox1->setCurrentText("120 x 120");
        options.RzRadioGroup1Items->button(3)->click();
    });
    EXPECT_EQ(window->ThumbW, 120);
    EXPECT_EQ(window->ShellThumbFiles->thumbWidth(), 120);
    EXPECT_EQ(window->ShellThumbFiles->thumbHeight(), 140);
    EXPECT_EQ(window->ThumbBorderType, 3);
    stop();
    EXPECT_TRUE(readIni().contains("ThumbW=120\r\n"));
    EXPECT_TRUE(readIni().contains("ThumbBorderType=3\r\n"));
}

// The program's two messages, in the language of the run: a drawing that cannot be opened
// (named on the command line) and a folder of the grid that is gone.
TEST_F(InterfaceTexts, MessagesComeInTheLanguageOfTheRun) {
    const struct {
        bool chinese;
        const char* cannotOpenCaption;
        const char* cannotOpen;
        const char* missingCaption;
        const char* missing;
    } languages[] = {
        {true, "提示", "文件无法打开。", "警告", "路径不存在！"},
        {false, "Information", "Can not open this file.", "Warning", "Path not find!"},
    };
    for (const auto& language : languages) {
        const QString folder = filesFolder() + (language.chinese ? "zh/" : "en/");
        makeFile(folder + "gone/x.dwg");
        makeFile(folder + "plan.dwg");
        writeIni(("[NORMAL]\r\nViewType=2\r\nPath=" + folder + "\r\n").toUtf8());
        messages.clear();
        start({folder + "plan.dwg"}, language.chinese);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].caption, QString::fromUtf8(language.cannotOpenCaption));
        EXPECT_TRUE(messages[0].text.endsWith(QString::fromUtf8(language.cannotOpen)))
            << messages[0].text.toStdString();

        ASSERT_TRUE(QDir(folder + "gone").removeRecursively());
        ThumbGrid& grid = *window->ShellThumbFiles;
        const QPoint cell = grid.cellRect(0).center() - grid.viewPosition();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].caption, QString::fromUtf8(language.missingCaption));
        EXPECT_TRUE(messages[1].text.endsWith(QString::fromUtf8(language.missing)))
            << messages[1].text.toStdString();
        stop();
    }
}

} // namespace
