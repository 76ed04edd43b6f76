#include "app/Globals.h"

bool ChineseUI = false;
QString AppFolder;
QString ApplicationTitle;
TFrmCAD* FrmCAD = nullptr;
TFrmFace* FrmFace = nullptr;
