// The dialog's controls: every one carries its name as its object name and sits at its
// design geometry.
#include "options/ColorComboBox.h"
#include "options/SpinEdit.h"
#include "options/UnitOptions.h"
#include "platform/InterfaceTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The area the controls fill, inside a border of 10 pixels.
constexpr QSize kClientSize(446, 328);
constexpr int kBorder = 10;
constexpr int kPageHeight = 295;
constexpr int kTabHeight = 19;
// Labels of the controls on the pages end here, right-aligned.
constexpr int kLabelRight = 93;

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A bold section heading with a separator line under it.
QLabel* heading(QWidget* page, const char* name, const QString& text, QPoint at, int lineY) {
    auto* label = named(new QLabel(text, page), name);
    label->setFont(DesignFont(true));
    label->move(at);
    label->adjustSize();
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(at.x(), lineY, kClientSize.width() - 2 * at.x(), 2);
    return label;
}

// The label of a control, right-aligned to the labels' edge, level with the control.
QLabel* controlLabel(QWidget* page, const char* name, const QString& text, const QRect& control) {
    auto* label = named(new QLabel(text, page), name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(0, control.y(), kLabelRight, control.height());
    return label;
}

QCheckBox* checkBox(QWidget* page, const char* name, const QString& text, QPoint at) {
    auto* box = named(new QCheckBox(text, page), name);
    box->setGeometry(QRect(at, QSize(115, 17)));
    return box;
}

const char* const kSizeItems[] = {"50 x 50",   "60 x 60",   "70 x 70",   "80 x 80",
                                  "90 x 90",   "100 x 100", "110 x 110", "120 x 120",
                                  "130 x 130", "140 x 140", "150 x 150"};

} // namespace

void TFrmOptions::buildForm() {
    setObjectName("FrmOptions");
    setWindowTitle("Options");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(DesignFont());
    setFixedSize(kClientSize + QSize(2 * kBorder, 2 * kBorder));
    auto* client = new QWidget(this);
    client->setGeometry(QRect(QPoint(kBorder, kBorder), kClientSize));

    RzPageControl1 = named(new QTabWidget(client), "RzPageControl1");
    RzPageControl1->setGeometry(0, 0, kClientSize.width(), kPageHeight);
    // Only the tab bar is styled, so that the pages keep following the dialog's font.
    RzPageControl1->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { height: %1px; }").arg(kTabHeight));
    buildBrowserPage();
    buildViewerPage();
    RzPageControl1->setCurrentIndex(0);

    RzPanel1 = named(new QWidget(client), "RzPanel1");
    RzPanel1->setGeometry(0, kPageHeight, kClientSize.width(), kClientSize.height() - kPageHeight);
    buildBottomPanel();
    orderTabs();
}

void TFrmOptions::buildBrowserPage() {
    TabSheet1 = named(new QWidget, "TabSheet1");
    RzPageControl1->addTab(TabSheet1, "Browser");
    Label2 = heading(TabSheet1, "Label2", "Files", {16, 16}, 33);
    RzCheckBox1 = checkBox(TabSheet1, "RzCheckBox1", "Only CAD files", {96, 40});
    RzCheckBox2 = checkBox(TabSheet1, "RzCheckBox2", "Display hide files", {96, 64});
    Label1 = heading(TabSheet1, "Label1", "Thumbnail", {16, 96}, 113);
    buildThumbnailControls();
    buildBorderGroup();
}

void TFrmOptions::buildThumbnailControls() {
    ComboBox1 = named(new QComboBox(TabSheet1), "ComboBox1");
    for (const char* size : kSizeItems)
        ComboBox1->addItem(QString::fromLatin1(size));
    ComboBox1->setGeometry(98, 128, 118, 21);
    Label3 = controlLabel(TabSheet1, "Label3", "Size", ComboBox1->geometry());

    ComboBoxBorderColor = named(new ColorComboBox(TabSheet1), "ComboBoxBorderColor");
    ComboBoxBorderColor->setGeometry(98, 156, 118, 22);
    Label5 = controlLabel(TabSheet1, "Label5", "Border color", ComboBoxBorderColor->geometry());
    ComboBoxBackColor = named(new ColorComboBox(TabSheet1), "ComboBoxBackColor");
    ComboBoxBackColor->setGeometry(98, 184, 118, 22);
    Label6 = controlLabel(TabSheet1, "Label6", "Background color", ComboBoxBackColor->geometry());

    SpinEdit4 = named(new SpinEdit(10, 50, 10, TabSheet1), "SpinEdit4");
    SpinEdit4->setGeometry(98, 212, 118, 21);
    Label7 = controlLabel(TabSheet1, "Label7", "Column space", SpinEdit4->geometry());
    SpinEdit5 = named(new SpinEdit(5, 50, 10, TabSheet1), "SpinEdit5");
    SpinEdit5->setGeometry(98, 240, 118, 21);
    Label8 = controlLabel(TabSheet1, "Label8", "Row space", SpinEdit5->geometry());
}

void TFrmOptions::buildBorderGroup() {
    RzRadioGroup1 = named(new QGroupBox("Border", TabSheet1), "RzRadioGroup1");
    RzRadioGroup1->setGeometry(240, 124, 192, 137);
    RzRadioGroup1Items = new QButtonGroup(RzRadioGroup1);
    const char* const items[] = {" None", " Normal", " With Shadow", " With Rounded Corners"};
    constexpr int kItemTop = 30;
    constexpr int kItemPitch = 26;
    for (int i = 0; i < int(std::size(items)); ++i) {
        auto* item = new QRadioButton(QString::fromLatin1(items[i]), RzRadioGroup1);
        item->setObjectName(QStringLiteral("RzRadioGroup1Item%1").arg(i));
        item->setGeometry(12, kItemTop + i * kItemPitch, 172, 17);
        RzRadioGroup1Items->addButton(item, i);
    }
}

void TFrmOptions::buildViewerPage() {
    TabSheet2 = named(new QWidget, "TabSheet2");
    RzPageControl1->addTab(TabSheet2, "CAD Viewer");
    RzColorEdit1 = named(new ColorComboBox(TabSheet2), "RzColorEdit1");
    RzColorEdit1->setGeometry(98, 38, 126, 21);
    Label4 = controlLabel(TabSheet2, "Label4", "Background color", RzColorEdit1->geometry());
}

void TFrmOptions::buildBottomPanel() {
    BtnClose = named(new QPushButton("&Close", RzPanel1), "BtnClose");
    BtnClose->setGeometry(360, 8, 75, 25);
    BtnClose->setAutoDefault(false);
}

void TFrmOptions::orderTabs() {
    QWidget* const order[] = {
        RzCheckBox1,       RzCheckBox2, ComboBox1, ComboBoxBorderColor,
        ComboBoxBackColor, SpinEdit4,   SpinEdit5, RzRadioGroup1Items->button(0)};
    for (int i = 1; i < int(std::size(order)); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
