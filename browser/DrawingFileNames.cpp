#include "browser/DrawingFileNames.h"

namespace {

QString extensionOf(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot < fileName.lastIndexOf(u'/'))
        return {};
    return fileName.mid(dot);
}

} // namespace

bool IsDwgFile(const QString& fileName) {
    return extensionOf(fileName).compare(u".dwg", Qt::CaseInsensitive) == 0;
}

bool IsDxfFile(const QString& fileName) {
    return extensionOf(fileName).compare(u".dxf", Qt::CaseInsensitive) == 0;
}

QString AddTrailingBackslash(const QString& path) {
    if (path.isEmpty() || path.endsWith(u'/'))
        return path;
    return path + u'/';
}
