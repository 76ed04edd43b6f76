#pragma once

// The drawing-files unit: the embedded preview of DWG files, the file-name and
// info-string helpers, and handing a file to the desktop.
#include "FileNames.h"
#include "PreviewReader.h"
#include "ShellOpenFile.h"
#include "ThumbInfo.h"
