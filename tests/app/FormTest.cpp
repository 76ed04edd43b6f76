#include "MainWindowFixture.h"

#include "app/BitmapButton.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>

namespace {

using Form = MainWindowFixture;

struct Placement {
    const char* name;
    QRect design;
    QPoint movedBy; // for a window 300 wider and 100 higher
};

TEST_F(Form, ComponentsSitAtTheirDesignPlacesAndFollowTheirAnchors) {
    window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}});
    window->FirstActivation = false; // keep the design size when shown
    window->show();
    const Placement placements[] = {
        {"Image2", {12, 6, 16, 16}, {0, 0}},          {"BtnSysMin", {632, 0, 21, 25}, {300, 0}},
        {"BtnSysMax", {653, 0, 29, 25}, {300, 0}},    {"BtnSysClose", {681, 0, 31, 25}, {300, 0}},
        {"Image1", {24, 27, 220, 60}, {0, 0}},        {"BtnSaveAs", {526, 56, 32, 32}, {300, 0}},
        {"BtnZoomPrev", {672, 56, 32, 32}, {300, 0}},
    };
    ASSERT_EQ(window->size(), QSize(712, 486));
    for (const Placement& p : placements) {
        auto* widget = window->findChild<QWidget*>(p.name);
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.design) << p.name;
    }
    auto* splitter = window->findChild<QWidget*>("RzSplitter1");
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->geometry(), QRect(8, 90, 696, 388));
    window->resize(1012, 586);
    for (const Placement& p : placements)
        EXPECT_EQ(window->findChild<QWidget*>(p.name)->pos(), p.design.topLeft() + p.movedBy)
            << p.name;
    EXPECT_EQ(splitter->geometry(), QRect(8, 90, 996, 488));
}

TEST_F(Form, EveryComponentCarriesItsName) {
    window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}});
    for (const char* name :
         {"LabelTitle",      "LabelCaption",     "RzSeparator1", "BtnView",
          "BtnHomepage",     "BtnPan",           "BtnZoomWin",   "BtnZoomAll",
          "RzPanel2",        "ShellComboFolder", "BtnUp",        "ShellListFiles",
          "ShellThumbFiles", "DDVue1",           "RzPanelWaite", "RzPanelMsg",
          "PopupMenuView",   "PopupMenuList",    "PopupMenuSys", "PopupMenuCAD",
          "PopupMenuSaveAs", "SaveDialog1"})
        EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name;
    EXPECT_NE(window->findChild<QObject*>("Timer1"), nullptr);
    EXPECT_EQ(window->ImageList1.size(), 8);
    for (const QIcon& image : window->ImageList1)
        EXPECT_FALSE(image.pixmap(16, 16).isNull());
    EXPECT_EQ(window->PM_Report->data().toInt(), 0);
    EXPECT_EQ(window->PM_List->data().toInt(), 1);
    EXPECT_EQ(window->PM_Thumbnail->data().toInt(), 2);
    EXPECT_EQ(window->BtnPan->property("Tag").toInt(), 1);
    EXPECT_EQ(window->BtnZoomWin->property("Tag").toInt(), 3);
}

TEST_F(Form, ChineseTextsLeaveNoEnglishCaptionOrHint) {
    window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}});
    const auto isAscii = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    };
    for (QAction* entry : window->findChildren<QAction*>()) {
        if (!entry->objectName().startsWith("PM_"))
            continue; // the save dialog's and the list's own entries
        EXPECT_FALSE(isAscii(entry->text()))
            << entry->objectName().toStdString() << " " << entry->text().toStdString();
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->toolTip().isEmpty() || control->objectName() == "SaveDialog1" ||
            window->SaveDialog1->isAncestorOf(control))
            continue;
        EXPECT_FALSE(isAscii(control->toolTip())) << control->objectName().toStdString();
    }
    EXPECT_EQ(window->RzPanelWaite->text(), QString::fromUtf8("正在打开，请稍候..."));
    EXPECT_EQ(window->PM_View->text(), QString::fromUtf8("查看(&V)"));
    EXPECT_EQ(window->font().family(), QString::fromUtf8("宋体"));
    EXPECT_EQ(window->font().pointSize(), 9);
    EXPECT_EQ(window->RzPanelWaite->font().family(), QString::fromUtf8("宋体"));
    EXPECT_EQ(window->LabelCaption->font().family(), "Tahoma");
    EXPECT_TRUE(window->LabelCaption->font().bold());
    EXPECT_EQ(window->RzPanelMsg->font().family(), "Tahoma");
    EXPECT_EQ(window->RzPanelMsg->font().pointSize(), 8);
    EXPECT_EQ(window->SaveDialog1->windowTitle(), "Save As");
}

} // namespace
