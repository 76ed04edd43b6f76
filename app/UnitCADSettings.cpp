// Reading the options at start and writing both sections of the settings file at the end.
#include "app/AppFolder.h"
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "platform/Colors.h"
#include "platform/IniFile.h"
#include "platform/ShellCombo.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"
#include "viewer/DDVue.h"

namespace {

const QString kDrawingFilter = QStringLiteral("*.dwg;*.dxf");
constexpr QStringView kNormal = u"NORMAL";
constexpr QStringView kOptions = u"OPTIONS";

// The folder as the settings file keeps it: without the trailing "/" (the root stays "/").
QString storedFolder(const QString& folder) {
    if (folder.size() > 1 && folder.endsWith(u'/'))
        return folder.chopped(1);
    return folder;
}

} // namespace

QString TFrmCAD::SettingsFile() const {
    return SettingsPath(AppFolder);
}

void TFrmCAD::LoadSettings() {
    const IniFile ini(SettingsFile());
    ThumbW = ini.readInteger(kOptions, u"ThumbW", 80);
    ThumbBorderColor = quint32(ini.readInteger(kOptions, u"ThumbBorderColor", 0));
    ThumbBackColor = quint32(ini.readInteger(kOptions, u"ThumbBackColor", 0xFFFFFF));
    ThumbBorderType = quint8(ini.readInteger(kOptions, u"ThumbBorderType", 1));
    ThumbSpaceW = ini.readInteger(kOptions, u"ThumbSpaceW", 12);
    ThumbSpaceH = ini.readInteger(kOptions, u"ThumbSpaceH", 12);
    LoadAllFile = ini.readBool(kOptions, u"LoadAllFile", false);
    ShowHidden = ini.readBool(kOptions, u"ShowHidden", true);
    BkColor = quint32(ini.readInteger(kOptions, u"BkColor", 0));

    ShellThumbFiles->setThumbWidth(ThumbW);
    ShellThumbFiles->setThumbHeight(ThumbW + 20);
    ShellThumbFiles->setThumbnailsBorderColor(colorFromValue(ThumbBorderColor));
    ShellThumbFiles->setThumbnailsBackground(colorFromValue(ThumbBackColor));
    ShellThumbFiles->setHorizBorder(ThumbSpaceW);
    ShellThumbFiles->setVertBorder(ThumbSpaceH);
    ShellListFiles->setFileFilter(LoadAllFile ? QString() : kDrawingFilter);
    int options =
        ShellList::AutoFill | ShellList::DefaultKeyHandling | ShellList::FilesCanBeFolders;
    if (ShowHidden)
        options |= ShellList::ShowHidden;
    ShellListFiles->setOptions(options);
    DDVue1->setBackColor(BkColor);
}

void TFrmCAD::SaveSettings() {
    IniFile ini(SettingsFile());
    ini.writeString(kNormal, u"Path", storedFolder(ShellComboFolder->selectedPath()));
    const int viewType = ThumbnailMode == 1                                          ? 2
                         : ShellListFiles->viewStyle() == ShellList::ViewStyle::List ? 1
                                                                                     : 0;
    ini.writeInteger(kNormal, u"ViewType", viewType);
    ini.writeInteger(kOptions, u"ThumbW", ThumbW);
    ini.writeInteger(kOptions, u"ThumbBorderColor", qint32(ThumbBorderColor));
    ini.writeInteger(kOptions, u"ThumbBackColor", qint32(ThumbBackColor));
    ini.writeInteger(kOptions, u"ThumbBorderType", ThumbBorderType);
    ini.writeInteger(kOptions, u"ThumbSpaceW", ThumbSpaceW);
    ini.writeInteger(kOptions, u"ThumbSpaceH", ThumbSpaceH);
    ini.writeBool(kOptions, u"LoadAllFile", LoadAllFile);
    ini.writeBool(kOptions, u"ShowHidden", ShowHidden);
    ini.writeInteger(kOptions, u"BkColor", qint32(BkColor));
}
