// The Chinese texts of the main window and its font rule.
#include "app/HomePages.h"
#include "app/UnitCAD.h"
#include "platform/InterfaceTexts.h"

#include <QLabel>

namespace {

const TextRow kMainWindowTexts[] = {
    {"FrmCAD", TextProperty::Font, nullptr},
    {"RzPanelWaite", TextProperty::Font, nullptr},
    {"RzPanelWaite", TextProperty::Caption, "正在打开，请稍候..."},
    {"BtnSaveAs", TextProperty::Hint, "另存为"},
    {"BtnView", TextProperty::Hint, "主菜单"},
    {"BtnHomepage", TextProperty::Hint, "访问主页"},
    {"BtnPan", TextProperty::Hint, "移动"},
    {"BtnZoomWin", TextProperty::Hint, "窗口缩放"},
    {"BtnZoomAll", TextProperty::Hint, "完整视图"},
    {"BtnZoomPrev", TextProperty::Hint, "前一视图"},
    {"BtnSysMin", TextProperty::Hint, "最小化"},
    {"BtnSysMax", TextProperty::Hint, "最大化"},
    {"BtnSysClose", TextProperty::Hint, "关闭"},
    {"BtnUp", TextProperty::Hint, "向上"},
    {"PM_View", TextProperty::Caption, "查看(&V)"},
    {"PM_Report", TextProperty::Caption, "详细信息"},
    {"PM_List", TextProperty::Caption, "列表"},
    {"PM_Thumbnail", TextProperty::Caption, "缩略图"},
    {"PM_Options", TextProperty::Caption, "设置(&O)"},
    {"PM_Homepage", TextProperty::Caption, "访问主页(&H)"},
    {"PM_Exit", TextProperty::Caption, "退出(&X)"},
    {"PM_OpenFile", TextProperty::Caption, "打开"},
    {"PM_Shellopenfile", TextProperty::Caption, "用外部程序打开..."},
    {"PM_MinSize", TextProperty::Caption, "最小化(&N)"},
    {"PM_Close", TextProperty::Caption, "关闭(&C)"},
    {"PM_Pan", TextProperty::Caption, "移动"},
    {"PM_SaveAs", TextProperty::Caption, "另存为..."},
    {"PM_SaveAsBMP", TextProperty::Caption, "BMP 位图文件"},
    {"PM_SaveAsJPG", TextProperty::Caption, "JPEG 图像"},
    {"PM_SaveBMP", TextProperty::Caption, "另存为 BMP位图文件"},
    {"PM_SaveJPG", TextProperty::Caption, "另存为 JPEG图像"},
    {"PM_Zoomwindow", TextProperty::Caption, "窗口缩放"},
    {"PM_Zoomall", TextProperty::Caption, "完整视图"},
    {"PM_Zoomprevious", TextProperty::Caption, "前一视图"},
};

} // namespace

void TFrmCAD::ApplyChineseTexts() {
    HomePageURL = kChineseHomePage;
    EditionText = QString::fromUtf8("免费版");
    ProductTitle = QStringLiteral("Tessvane");
    // Controls without a font of their own follow the window's; the caption of the title row
    // and the coordinate strip keep their own Tahoma.
    ApplyTextRows(this, kMainWindowTexts);
}
