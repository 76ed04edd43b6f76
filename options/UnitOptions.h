#pragma once

#include "options/OptionsTarget.h"

#include <QDialog>

class ColorComboBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class SpinEdit;

// The options dialog: every control applies its change to the window it serves the moment
// it changes; there is nothing to confirm or cancel. Its methods are split over files: the
// form (UnitOptionsForm.cpp), the texts (UnitOptionsTexts.cpp) and the handlers
// (UnitOptions.cpp).
class TFrmOptions : public QDialog {
    Q_OBJECT
public:
    TFrmOptions(OptionsTarget target, QWidget* parent = nullptr);

    QTabWidget* RzPageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* RzCheckBox1 = nullptr;
    QCheckBox* RzCheckBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label5 = nullptr;
    ColorComboBox* ComboBoxBorderColor = nullptr;
    QLabel* Label6 = nullptr;
    ColorComboBox* ComboBoxBackColor = nullptr;
    QLabel* Label7 = nullptr;
    SpinEdit* SpinEdit4 = nullptr;
    QLabel* Label8 = nullptr;
    SpinEdit* SpinEdit5 = nullptr;
    QGroupBox* RzRadioGroup1 = nullptr;
    QButtonGroup* RzRadioGroup1Items = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label4 = nullptr;
    ColorComboBox* RzColorEdit1 = nullptr;
    QWidget* RzPanel1 = nullptr;
    QPushButton* BtnClose = nullptr;

    // True while the controls are filled from the window; the handlers then do nothing.
    bool Filling = false;

    void FormCreate();
    void ApplyChineseTexts();
    void FillControls();
    void BtnCloseClick();
    void RzCheckBox1Click();
    void RzCheckBox2Click();
    void ComboBox1Change();
    void ComboBoxBorderColorChange();
    void ComboBoxBackColorChange();
    void SpinEdit4Change();
    void SpinEdit5Change();
    void RzRadioGroup1Click();
    void RzColorEdit1Change();

private:
    void buildForm();
    void buildBrowserPage();
    void buildThumbnailControls();
    void buildBorderGroup();
    void buildViewerPage();
    void buildBottomPanel();
    void orderTabs();
    void connectHandlers();
    void refreshIfCountChanged(int countBefore);

    OptionsTarget target;
};

// The dialog while it is open, otherwise null.
extern TFrmOptions* FrmOptions;

// Creates the dialog, fills it from the window's settings, shows it modally over `parent`
// and frees it when it is closed.
void ShowOptionsDialog(const OptionsTarget& target, QWidget* parent);
