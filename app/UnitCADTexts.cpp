// The Chinese texts of the main window and its font rule.
#include "app/HomePages.h"
#include "app/UnitCAD.h"

#include <QAction>
#include <QFont>
#include <QLabel>

namespace {

enum class Property { Hint, MenuCaption };

struct TextRow {
    const char* component;
    Property property;
    const char* chinese;
};

// In the order they are applied.
const TextRow kMainWindowTexts[] = {
    {"BtnSaveAs", Property::Hint, "另存为"},
    {"BtnView", Property::Hint, "主菜单"},
    {"BtnHomepage", Property::Hint, "访问主页"},
    {"BtnPan", Property::Hint, "移动"},
    {"BtnZoomWin", Property::Hint, "窗口缩放"},
    {"BtnZoomAll", Property::Hint, "完整视图"},
    {"BtnZoomPrev", Property::Hint, "前一视图"},
    {"BtnSysMin", Property::Hint, "最小化"},
    {"BtnSysMax", Property::Hint, "最大化"},
    {"BtnSysClose", Property::Hint, "关闭"},
    {"BtnUp", Property::Hint, "向上"},
    {"PM_View", Property::MenuCaption, "查看(&V)"},
    {"PM_Report", Property::MenuCaption, "详细信息"},
    {"PM_List", Property::MenuCaption, "列表"},
    {"PM_Thumbnail", Property::MenuCaption, "缩略图"},
    {"PM_Options", Property::MenuCaption, "设置(&O)"},
    {"PM_Homepage", Property::MenuCaption, "访问主页(&H)"},
    {"PM_Exit", Property::MenuCaption, "退出(&X)"},
    {"PM_OpenFile", Property::MenuCaption, "打开"},
    {"PM_Shellopenfile", Property::MenuCaption, "用外部程序打开..."},
    {"PM_MinSize", Property::MenuCaption, "最小化(&N)"},
    {"PM_Close", Property::MenuCaption, "关闭(&C)"},
    {"PM_Pan", Property::MenuCaption, "移动"},
    {"PM_SaveAs", Property::MenuCaption, "另存为..."},
    {"PM_SaveAsBMP", Property::MenuCaption, "BMP 位图文件"},
    {"PM_SaveAsJPG", Property::MenuCaption, "JPEG 图像"},
    {"PM_SaveBMP", Property::MenuCaption, "另存为 BMP位图文件"},
    {"PM_SaveJPG", Property::MenuCaption, "另存为 JPEG图像"},
    {"PM_Zoomwindow", Property::MenuCaption, "窗口缩放"},
    {"PM_Zoomall", Property::MenuCaption, "完整视图"},
    {"PM_Zoomprevious", Property::MenuCaption, "前一视图"},
};

// The Chinese interface font, "宋体" at 9 points. Only name and size change; colour and
// style stay as designed.
void useChineseFont(QWidget* widget) {
    QFont font = widget->font();
    font.setFamily(QString::fromUtf8("宋体"));
    font.setPointSize(9);
    widget->setFont(font);
}

void applyRow(QWidget* window, const TextRow& row) {
    const QString name = QString::fromLatin1(row.component);
    const QString text = QString::fromUtf8(row.chinese);
    if (row.property == Property::Hint) {
        if (auto* control = window->findChild<QWidget*>(name))
            control->setToolTip(text);
    } else if (auto* entry = window->findChild<QAction*>(name)) {
        entry->setText(text);
    }
}

} // namespace

void TFrmCAD::ApplyChineseTexts() {
    HomePageURL = kChineseHomePage;
    EditionText = QString::fromUtf8("免费版");
    ProductTitle = QStringLiteral("Tessvane");
    // Controls without a font of their own follow the window's; the caption of the title row
    // and the coordinate strip keep their own Tahoma.
    useChineseFont(this);
    useChineseFont(RzPanelWaite);
    RzPanelWaite->setText(QString::fromUtf8("正在打开，请稍候..."));
    for (const TextRow& row : kMainWindowTexts)
        applyRow(this, row);
}
