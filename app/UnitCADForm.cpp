// The main window's components: every one carries its name as its object name, and sits at
// its design geometry for the 712 x 486 window with its anchors.
#include "app/Anchors.h"
#include "app/BitmapButton.h"
#include "app/ClickableLabel.h"
#include "app/UnitCAD.h"
#include "platform/ShellCombo.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"
#include "viewer/DDVue.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kDesignSize(712, 486);
constexpr int kPaneFrame = 3;
const QColor kPaneFrameColor(190, 190, 190);
constexpr Qt::Edges kTopLeftRight = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge;
constexpr Qt::Edges kTopRight = Qt::TopEdge | Qt::RightEdge;
constexpr Qt::Edges kAllEdges = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;

// The design font of the window: Tahoma, 8 points.
QFont designFont(bool bold = false) {
    QFont font("Tahoma");
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

void paintWhiteOnBlack(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A pane of the splitter, framed by three pixels of grey, and the column that holds its
// content.
QWidget* framedPane(const char* name, QVBoxLayout*& column) {
    auto* pane = named(new QWidget, name);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Window, kPaneFrameColor);
    pane->setPalette(palette);
    pane->setAutoFillBackground(true);
    column = new QVBoxLayout(pane);
    column->setContentsMargins(kPaneFrame, kPaneFrame, kPaneFrame, kPaneFrame);
    column->setSpacing(0);
    return pane;
}

QList<QIcon> loadImageList() {
    const char* files[] = {"0_upfolder", "1_minimize", "2_close",    "3_pan",
                           "4_zoomwin",  "5_zoomall",  "6_zoomprev", "7_saveas"};
    QList<QIcon> images;
    for (const char* file : files)
        images.append(QIcon(QStringLiteral(":/imagelist/%1.png").arg(file)));
    return images;
}

} // namespace

void TFrmCAD::buildForm() {
    setObjectName("FrmCAD");
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(designFont());
    resize(kDesignSize);
    setWindowIcon(QIcon(":/mainicon.png"));
    anchors = new Anchors(this, kDesignSize);
    ImageList1 = loadImageList();
    buildTitleRow();
    buildBand();
    buildPanes();
    buildMenus();
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(50);
    SaveDialog1 = named(new QFileDialog(this, "Save As"), "SaveDialog1");
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
}

void TFrmCAD::buildTitleRow() {
    LabelTitle = named(new ClickableLabel(this), "LabelTitle");
    anchors->place(LabelTitle, {0, 0, kDesignSize.width(), 25}, kTopLeftRight);
    Image2 = named(new ClickableLabel(this), "Image2");
    Image2->setPixmap(
        QPixmap(":/mainicon.png").scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    anchors->place(Image2, {12, 6, 16, 16}, Qt::LeftEdge | Qt::TopEdge);
    LabelCaption = named(new QLabel(this), "LabelCaption");
    LabelCaption->setFont(designFont(true));
    LabelCaption->setStyleSheet("color: white;");
    LabelCaption->move(33, 7);
    BtnSysMin = addCommandButton("BtnSysMin", "sysmin", {632, 0, 21, 25}, kTopRight, "Minimize");
    BtnSysMax = addCommandButton("BtnSysMax", "sysmax", {653, 0, 29, 25}, kTopRight, "Maximize");
    BtnSysClose = addCommandButton("BtnSysClose", "sysclose", {681, 0, 31, 25}, kTopRight, "Close");
    RzSeparator1 = named(new QFrame(this), "RzSeparator1");
    RzSeparator1->setStyleSheet("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                "stop:0 black, stop:0.5 rgb(190, 190, 190), stop:1 black);");
    anchors->place(RzSeparator1, {1, 26, 710, 1}, kTopLeftRight);
}

void TFrmCAD::buildBand() {
    Image1 = named(new ClickableLabel(this), "Image1");
    Image1->setPixmap(QPixmap(":/logo.png"));
    Image1->setCursor(Qt::PointingHandCursor);
    anchors->place(Image1, {24, 27, 220, 60}, Qt::LeftEdge | Qt::TopEdge);
    const Qt::Edges topLeft = Qt::LeftEdge | Qt::TopEdge;
    BtnView = addCommandButton("BtnView", "view", {256, 36, 70, 50}, topLeft, "Menu");
    BtnHomepage =
        addCommandButton("BtnHomepage", "homepage", {332, 36, 70, 50}, topLeft, "Home page");
    BtnSaveAs = addCommandButton("BtnSaveAs", "saveas", {526, 56, 32, 32}, kTopRight, "Save as");
    BtnPan = addCommandButton("BtnPan", "pan", {570, 56, 32, 32}, kTopRight, "Pan");
    BtnPan->setProperty("Tag", 1);
    BtnZoomWin =
        addCommandButton("BtnZoomWin", "zoomwin", {604, 56, 32, 32}, kTopRight, "Zoom window");
    BtnZoomWin->setProperty("Tag", 3);
    BtnZoomAll =
        addCommandButton("BtnZoomAll", "zoomall", {638, 56, 32, 32}, kTopRight, "Zoom all");
    BtnZoomPrev =
        addCommandButton("BtnZoomPrev", "zoomprev", {672, 56, 32, 32}, kTopRight, "Zoom previous");
}

BitmapButton* TFrmCAD::addCommandButton(const char* name, const QString& picture, QRect geometry,
                                        Qt::Edges edges, const QString& hint) {
    auto* button = named(new BitmapButton(":/buttons/" + picture + "_up.png",
                                          ":/buttons/" + picture + "_hot.png", this),
                         name);
    button->setToolTip(hint);
    anchors->place(button, geometry, edges);
    return button;
}

void TFrmCAD::buildPanes() {
    RzSplitter1 = named(new QSplitter(Qt::Horizontal, this), "RzSplitter1");
    RzSplitter1->setHandleWidth(3);
    RzSplitter1->setChildrenCollapsible(false);
    RzSplitter1->setStyleSheet("QSplitter::handle { background: qlineargradient(x1:0, y1:0, "
                               "x2:1, y2:0, stop:0 rgb(40, 40, 40), stop:1 black); }");
    RzSplitter1->addWidget(buildBrowserPane());
    RzSplitter1->addWidget(buildViewerPane());
    RzSplitter1->setStretchFactor(0, 45);
    RzSplitter1->setStretchFactor(1, 55);
    anchors->place(RzSplitter1, {8, 90, 696, 388}, kAllEdges);
    RzSplitter1->setSizes({316, 377});
}

QWidget* TFrmCAD::buildBrowserPane() {
    QVBoxLayout* column = nullptr;
    QWidget* pane = framedPane("UpperLeft", column);

    RzPanel2 = named(new QWidget, "RzPanel2");
    RzPanel2->setFixedHeight(28);
    RzPanel2->setAutoFillBackground(true);
    const QSize panelDesign(310, 28);
    RzPanel2->resize(panelDesign);
    auto* panelAnchors = new Anchors(RzPanel2, panelDesign);
    ShellComboFolder = named(new ShellCombo(RzPanel2), "ShellComboFolder");
    panelAnchors->place(ShellComboFolder, {0, 0, 284, 23}, kTopLeftRight);
    BtnUp = named(new QToolButton(RzPanel2), "BtnUp");
    BtnUp->setIcon(ImageList1.value(0));
    BtnUp->setAutoRaise(true);
    BtnUp->setToolTip("Up folder");
    panelAnchors->place(BtnUp, {286, 0, 23, 23}, kTopRight);
    column->addWidget(RzPanel2);

    // The list and the grid share one area; which one is seen is only their stacking order.
    auto* views = new QWidget;
    auto* stack = new QGridLayout(views);
    stack->setContentsMargins(0, 0, 0, 0);
    ShellThumbFiles = named(new ThumbGrid, "ShellThumbFiles");
    ShellThumbFiles->setSelectionColor(palette().color(QPalette::Highlight));
    ShellListFiles = named(new ShellList, "ShellListFiles");
    stack->addWidget(ShellThumbFiles, 0, 0);
    stack->addWidget(ShellListFiles, 0, 0);
    ShellListFiles->raise();
    ShellComboFolder->setShellList(ShellListFiles);
    column->addWidget(views, 1);
    return pane;
}

QWidget* TFrmCAD::buildViewerPane() {
    QVBoxLayout* column = nullptr;
    QWidget* pane = framedPane("LowerRight", column);
    auto* inner = new QWidget(pane);
    column->addWidget(inner);
    const QSize design(371, 382);
    inner->resize(design);
    auto* paneAnchors = new Anchors(inner, design);
    DDVue1 = named(new DDVue(inner), "DDVue1");
    paneAnchors->place(DDVue1, {0, 0, 371, 361}, kAllEdges);
    RzPanelMsg = named(new QLabel(inner), "RzPanelMsg");
    RzPanelMsg->setFont(designFont());
    RzPanelMsg->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    paintWhiteOnBlack(RzPanelMsg);
    paneAnchors->place(RzPanelMsg, {0, 361, 371, 21},
                       Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    RzPanelWaite = named(new QLabel("Opening...", inner), "RzPanelWaite");
    RzPanelWaite->setFont(designFont());
    RzPanelWaite->setAlignment(Qt::AlignCenter);
    RzPanelWaite->setStyleSheet("background: black; color: white; border: 2px solid white;");
    paneAnchors->place(RzPanelWaite, {93, 44, 185, 41}, Qt::TopEdge);
    RzPanelWaite->hide();
    return pane;
}

QAction* TFrmCAD::addEntry(QMenu* menu, const char* name, const QString& caption, int image) {
    QAction* entry = named(menu->addAction(caption), name);
    if (image >= 0)
        entry->setIcon(ImageList1.value(image));
    return entry;
}

void TFrmCAD::buildMenus() {
    buildViewMenu();
    buildFileMenu();
    buildSystemMenu();
    buildDrawingMenus();
}

void TFrmCAD::buildViewMenu() {
    PopupMenuView = named(new QMenu(this), "PopupMenuView");
    auto* viewSubmenu = named(new QMenu("&View", PopupMenuView), "PM_ViewMenu");
    PM_View = named(PopupMenuView->addMenu(viewSubmenu), "PM_View");
    viewGroup = new QActionGroup(this);
    viewGroup->setExclusive(true);
    const struct {
        QAction** entry;
        const char* name;
        const char* caption;
        int tag;
    } views[] = {{&PM_Report, "PM_Report", "Report", 0},
                 {&PM_List, "PM_List", "List", 1},
                 {&PM_Thumbnail, "PM_Thumbnail", "Thumbnail", 2}};
    for (const auto& view : views) {
        *view.entry = addEntry(viewSubmenu, view.name, view.caption);
        (*view.entry)->setCheckable(true);
        (*view.entry)->setData(view.tag);
        viewGroup->addAction(*view.entry);
    }
    named(PopupMenuView->addSeparator(), "N2");
    PM_Options = addEntry(PopupMenuView, "PM_Options", "&Options");
    PM_Homepage = addEntry(PopupMenuView, "PM_Homepage", "&Home page");
    named(PopupMenuView->addSeparator(), "N3");
    PM_Exit = addEntry(PopupMenuView, "PM_Exit", "E&xit");
}

void TFrmCAD::buildFileMenu() {
    PopupMenuList = named(new QMenu(this), "PopupMenuList");
    PM_OpenFile = addEntry(PopupMenuList, "PM_OpenFile", "Open file");
    named(PopupMenuList->addSeparator(), "N1");
    PM_Shellopenfile = addEntry(PopupMenuList, "PM_Shellopenfile", "Shell open file");
}

void TFrmCAD::buildSystemMenu() {
    PopupMenuSys = named(new QMenu(this), "PopupMenuSys");
    PM_MinSize = addEntry(PopupMenuSys, "PM_MinSize", "Mi&nimize", 1);
    named(PopupMenuSys->addSeparator(), "MenuItem1");
    PM_Close = addEntry(PopupMenuSys, "PM_Close", "&Close", 2);
    PM_Close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

void TFrmCAD::buildDrawingMenus() {
    PopupMenuCAD = named(new QMenu(this), "PopupMenuCAD");
    PM_Pan = addEntry(PopupMenuCAD, "PM_Pan", "Pan", 3);
    PM_Pan->setData(1);
    named(PopupMenuCAD->addSeparator(), "N4");
    PM_Zoomwindow = addEntry(PopupMenuCAD, "PM_Zoomwindow", "Zoom window", 4);
    PM_Zoomwindow->setData(3);
    PM_Zoomall = addEntry(PopupMenuCAD, "PM_Zoomall", "Zoom all", 5);
    named(PopupMenuCAD->addSeparator(), "N5");
    PM_Zoomprevious = addEntry(PopupMenuCAD, "PM_Zoomprevious", "Zoom previous", 6);
    named(PopupMenuCAD->addSeparator(), "N6")->setVisible(false);
    auto* saveAs = named(new QMenu("Save as...", PopupMenuCAD), "PM_SaveAsMenu");
    PM_SaveAs = named(PopupMenuCAD->addMenu(saveAs), "PM_SaveAs");
    PM_SaveAs->setIcon(ImageList1.value(7));
    PM_SaveAsBMP = addEntry(saveAs, "PM_SaveAsBMP", "Bitmap");
    PM_SaveAsJPG = addEntry(saveAs, "PM_SaveAsJPG", "Jpeg");

    PopupMenuSaveAs = named(new QMenu(this), "PopupMenuSaveAs");
    PM_SaveBMP = addEntry(PopupMenuSaveAs, "PM_SaveBMP", "Save as Bitmap");
    PM_SaveJPG = addEntry(PopupMenuSaveAs, "PM_SaveJPG", "Save as Jpeg");
}

void TFrmCAD::connectHandlers() {
    connect(BtnView, &QAbstractButton::clicked, this, &TFrmCAD::BtnViewClick);
    for (QAction* view : {PM_Report, PM_List, PM_Thumbnail})
        connect(view, &QAction::triggered, this, [this, view] { PM_ReportClick(view); });
    connect(BtnUp, &QToolButton::clicked, this, &TFrmCAD::BtnUpClick);
    connect(ShellListFiles, &ShellList::folderChanged, this, &TFrmCAD::ShellListFilesFolderChanged);
    connect(PM_Exit, &QAction::triggered, this, &TFrmCAD::PM_ExitClick);
    connectBrowserHandlers();
    connect(PM_Options, &QAction::triggered, this, &TFrmCAD::PM_OptionsClick);
    connectViewerHandlers();
    connectFrameHandlers();
    connectHomePageHandlers();
}
