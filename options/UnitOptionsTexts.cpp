// The Chinese texts of the options dialog, applied at every opening.
#include "options/UnitOptions.h"
#include "platform/InterfaceTexts.h"

namespace {

// In the order they are applied; a control's font comes before its caption.
const TextRow kOptionsTexts[] = {
    {"FrmOptions", TextProperty::Font, nullptr},
    {"FrmOptions", TextProperty::Caption, "设置"},
    {"TabSheet1", TextProperty::Caption, "浏览器栏"},
    {"TabSheet2", TextProperty::Caption, "图纸浏览器"},
    {"Label2", TextProperty::Font, nullptr},
    {"Label2", TextProperty::Caption, "文件"},
    {"Label1", TextProperty::Font, nullptr},
    {"Label1", TextProperty::Caption, "缩略图"},
    {"RzCheckBox1", TextProperty::Caption, "只显示CAD文件"},
    {"RzCheckBox2", TextProperty::Caption, "显示隐藏文件"},
    {"Label3", TextProperty::Caption, "尺寸"},
    {"Label5", TextProperty::Caption, "边框颜色"},
    {"Label6", TextProperty::Caption, "背景颜色"},
    {"Label7", TextProperty::Caption, "列间距"},
    {"Label8", TextProperty::Caption, "行间距"},
    {"RzRadioGroup1", TextProperty::Caption, "边框"},
    {"RzRadioGroup1", TextProperty::Item, "无", 0},
    {"RzRadioGroup1", TextProperty::Item, "普通", 1},
    {"RzRadioGroup1", TextProperty::Item, "阴影", 2},
    {"RzRadioGroup1", TextProperty::Item, "圆角", 3},
    {"Label4", TextProperty::Caption, "背景颜色"},
    {"BtnClose", TextProperty::Caption, "关闭(&C)"},
};

} // namespace

void TFrmOptions::ApplyChineseTexts() {
    ApplyTextRows(this, kOptionsTexts);
}
