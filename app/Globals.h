#pragma once

#include <QString>

class TFrmCAD;
class TFrmFace;

// The program-wide values.

// The interface language: true for the Chinese texts and messages. False until the main
// window's creation sets it.
extern bool ChineseUI;
// The folder of the executable, ending in "/"; the settings file's folder (see SettingsPath).
extern QString AppFolder;
// The application's title, which its taskbar entry shows and its error reports carry.
extern QString ApplicationTitle;
extern TFrmCAD* FrmCAD;
extern TFrmFace* FrmFace;
