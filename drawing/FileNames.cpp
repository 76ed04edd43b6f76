#include "drawing/FileNames.h"

#include <QDir>

namespace {

// An extension runs from the name's last "." to the end. A separator after that
// dot would be part of the extension and so never equal to a plain one, which
// makes the test the same as comparing the name's end.
bool hasExtension(const QString& fileName, QLatin1StringView extension) {
    return fileName.endsWith(extension, Qt::CaseInsensitive);
}

} // namespace

bool IsDwgFile(const QString& FileName) {
    return hasExtension(FileName, QLatin1StringView(".dwg"));
}

bool IsDxfFile(const QString& FileName) {
    return hasExtension(FileName, QLatin1StringView(".dxf"));
}

QString AddTrailingBackslash(const QString& Text) {
    const QChar separator = QDir::separator();
    if (Text.isEmpty() || Text.endsWith(separator))
        return Text;
    return Text + separator;
}
