#pragma once

#include <QIcon>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class Anchors;
class BitmapButton;
class DDVue;
class FrameGrip;
class QAction;
class QActionGroup;
class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolButton;
class ShellCombo;
class ShellList;
class TImageLoadThread;
class ThumbGrid;
class ThumbJobList;
class UiHandOver;
struct ThumbSurface;
enum class PictureFormat;

// How the main window starts: the folder its settings file lives in, the command-line
// arguments after the program's name and the interface language (the program runs in
// Chinese; the form's English texts stay when it is false).
struct FrmCADStart {
    QString appFolder;
    QStringList arguments;
    bool chineseUI = true;
};

// The main window: a title row, the file browser on the left and the drawing view on the
// right. Its methods are split over files by concern: the form (UnitCADForm.cpp), the
// interface texts (UnitCADTexts.cpp), the lifecycle (UnitCADLifecycle.cpp), the settings
// (UnitCADSettings.cpp), the browser (UnitCADBrowser.cpp), the viewer (UnitCADViewer.cpp),
// the window frame (UnitCADFrame.cpp) and the home page (UnitCADHomePage.cpp).
class TFrmCAD : public QWidget {
    Q_OBJECT
public:
    explicit TFrmCAD(FrmCADStart start, QWidget* parent = nullptr);
    ~TFrmCAD() override;

    // Title row and band.
    QLabel* LabelTitle = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* LabelCaption = nullptr;
    BitmapButton* BtnSysMin = nullptr;
    BitmapButton* BtnSysMax = nullptr;
    BitmapButton* BtnSysClose = nullptr;
    QFrame* RzSeparator1 = nullptr;
    QLabel* Image1 = nullptr;
    BitmapButton* BtnView = nullptr;
    BitmapButton* BtnHomepage = nullptr;
    BitmapButton* BtnSaveAs = nullptr;
    BitmapButton* BtnPan = nullptr;
    BitmapButton* BtnZoomWin = nullptr;
    BitmapButton* BtnZoomAll = nullptr;
    BitmapButton* BtnZoomPrev = nullptr;
    // The two panes.
    QSplitter* RzSplitter1 = nullptr;
    QWidget* RzPanel2 = nullptr;
    ShellCombo* ShellComboFolder = nullptr;
    QToolButton* BtnUp = nullptr;
    ShellList* ShellListFiles = nullptr;
    ThumbGrid* ShellThumbFiles = nullptr;
    DDVue* DDVue1 = nullptr;
    QLabel* RzPanelWaite = nullptr;
    QLabel* RzPanelMsg = nullptr;
    // Menus, their entries, images, the timer and the save dialog.
    QMenu* PopupMenuView = nullptr;
    QAction* PM_View = nullptr;
    QAction* PM_Report = nullptr;
    QAction* PM_List = nullptr;
    QAction* PM_Thumbnail = nullptr;
    QAction* PM_Options = nullptr;
    QAction* PM_Homepage = nullptr;
    QAction* PM_Exit = nullptr;
    QMenu* PopupMenuList = nullptr;
    QAction* PM_OpenFile = nullptr;
    QAction* PM_Shellopenfile = nullptr;
    QMenu* PopupMenuSys = nullptr;
    QAction* PM_MinSize = nullptr;
    QAction* PM_Close = nullptr;
    QMenu* PopupMenuCAD = nullptr;
    QAction* PM_Pan = nullptr;
    QAction* PM_Zoomwindow = nullptr;
    QAction* PM_Zoomall = nullptr;
    QAction* PM_Zoomprevious = nullptr;
    QAction* PM_SaveAs = nullptr;
    QAction* PM_SaveAsBMP = nullptr;
    QAction* PM_SaveAsJPG = nullptr;
    QMenu* PopupMenuSaveAs = nullptr;
    QAction* PM_SaveBMP = nullptr;
    QAction* PM_SaveJPG = nullptr;
    QList<QIcon> ImageList1;
    QTimer* Timer1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;

    // State, in the order of its declaration in the original form.
    bool FirstActivation = true;
    qint32 PressedThumbIndex = -1;
    std::unique_ptr<::ThumbJobList> ThumbJobList;
    std::unique_ptr<TImageLoadThread> ThumbLoader;
    QRect RestoreRect;
    bool DrawingLoaded = false;
    qint32 NavigationMode = 0;
    QString HomePageURL;
    QString EditionText;
    QString ProductTitle;
    qint32 ThumbW = 80;
    quint32 ThumbBorderColor = 0;
    quint32 ThumbBackColor = 0xFFFFFF;
    quint8 ThumbBorderType = 1;
    qint32 ThumbSpaceW = 12;
    qint32 ThumbSpaceH = 12;
    bool LoadAllFile = false;
    bool ShowHidden = true;
    quint32 BkColor = 0;
    qint32 ThumbnailMode = 0;

    // Lifecycle.
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    void RestoreLastState();
    void MaximizeToWorkArea();
    // Window frame.
    void FormPaint();
    void FormResize();
    void LabelTitleMouseDrag();
    void BtnSysMaxClick();
    void RestorePreviousBounds();
    void BtnSysMinClick();
    void BtnSysCloseClick();
    void Image2Click();
    // Home page.
    void OpenLink(const QString& Target);
    void PM_HomepageClick();
    void Image1Click();
    // Settings.
    void LoadSettings();
    void SaveSettings();
    QString SettingsFile() const;
    // Interface texts.
    void ApplyChineseTexts();
    // Browser.
    void BtnViewClick();
    void PM_ReportClick(QAction* sender);
    void BtnUpClick();
    void ShellListFilesFolderChanged();
    void ClearThumbnails();
    void RefreshThumbnails();
    void PM_ExitClick();
    // Thumbnail painting and the browser's commands.
    void ShellThumbFilesBeforeImageDrawEx(ThumbGrid* Sender, int idx, int Left, int Top,
                                          ThumbSurface& Dest, QRect& ThumbRect);
    void ShellThumbFilesMouseDown(Qt::MouseButton Button, QPoint Pos);
    void ShellThumbFilesDblClick();
    void ShellThumbFilesMouseMove(QPoint Pos);
    void ShellListFilesMouseDown(Qt::MouseButton Button, QPoint Pos);
    void ShellListFilesDblClickOpen(bool* Handled);
    void PM_OpenFileClick();
    void PM_ShellopenfileClick();
    void PM_OptionsClick();
    // Viewer.
    void OpenDrawing(const QString& path);
    void BtnPanClick(QObject* sender);
    void BtnZoomAllClick();
    void BtnZoomPrevClick();
    void DDVue1MouseDown(int lX, int lY, short nButton);
    void DDVue1MouseUp(int lX, int lY, short nButton);
    void DDVue1MouseMove(int lX, int lY);
    void Timer1Timer();
    void PopupMenuCADPopup();
    // Saving the view as a picture.
    void BtnSaveAsClick();
    void PopupMenuSaveAsPopup();
    void PM_SaveBMPClick();
    void PM_SaveJPGClick();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildForm();
    void buildTitleRow();
    void buildBand();
    void buildPanes();
    QWidget* buildBrowserPane();
    QWidget* buildViewerPane();
    void buildMenus();
    void buildViewMenu();
    void buildFileMenu();
    void buildSystemMenu();
    void buildDrawingMenus();
    void connectHandlers();
    void connectFrameHandlers();
    void connectHomePageHandlers();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, int image = -1);
    BitmapButton* addCommandButton(const char* name, const QString& picture, QRect geometry,
                                   Qt::Edges edges, const QString& hint);
    void runGuarded(void (TFrmCAD::*step)());
    void connectBrowserHandlers();
    void popupFileMenu(QWidget* component, QPoint globalPos);
    QString fileMenuPath() const;
    void connectViewerHandlers();
    void issueNavigationMode();
    void saveViewAs(PictureFormat format);

    FrmCADStart start;
    Anchors* anchors = nullptr;
    FrameGrip* frameGrip = nullptr;
    UiHandOver* handOver = nullptr;
    QActionGroup* viewGroup = nullptr;
    QString lastPictureName;
};
