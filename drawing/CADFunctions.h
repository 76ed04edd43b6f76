#pragma once

// The drawing-files unit: the embedded preview of DWG files, the file-name and
// info-string helpers, and handing a file to the desktop.
#include "drawing/FileNames.h"
#include "drawing/PreviewReader.h"
#include "drawing/ShellOpenFile.h"
#include "drawing/ThumbInfo.h"
