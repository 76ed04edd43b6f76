// The main menu's "Options" entry: the options dialog over the window's settings fields and
// the components they apply to.
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "options/UnitOptions.h"

void TFrmCAD::PM_OptionsClick() {
    const OptionsTarget target{LoadAllFile,      ShowHidden,
                               ThumbW,           ThumbBorderColor,
                               ThumbBackColor,   ThumbSpaceW,
                               ThumbSpaceH,      ThumbBorderType,
                               BkColor,          *ShellListFiles,
                               *ShellThumbFiles, *DDVue1,
                               ThumbnailMode,    [this] { RefreshThumbnails(); },
                               ChineseUI};
    ShowOptionsDialog(target, this);
}
