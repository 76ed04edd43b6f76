#include "platform/Desktop.h"

#include "platform/FolderModel.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QScreen>

namespace {

bool isDrawingName(const QString& path) {
    return path.endsWith(QLatin1String(".dwg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive);
}

QIcon bundledIcon(bool isFolder, const QString& path) {
    if (isFolder) {
        return QIcon(QStringLiteral(":/icons/folder.png"));
    }
    return QIcon(isDrawingName(path) ? QStringLiteral(":/icons/drawing.png")
                                     : QStringLiteral(":/icons/file.png"));
}

QIcon themeIcon(const QFileInfo& info) {
    if (info.isDir()) {
        return QIcon::fromTheme(QStringLiteral("folder"));
    }
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(mime.iconName());
    if (icon.isNull()) {
        icon = QIcon::fromTheme(mime.genericIconName());
    }
    return icon;
}

} // namespace

QRect primaryWorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QIcon fileIcon(const QString& path) {
    const QFileInfo info(path);
    QIcon icon = themeIcon(info);
    if (icon.isNull()) {
        icon = bundledIcon(info.isDir() || path.endsWith(u'/'), path);
    }
    return icon;
}

QIcon itemIcon(const ShellItem& item) {
    if (!item.inFileSystem) {
        const QIcon icon = QIcon::fromTheme(QStringLiteral("computer"));
        return icon.isNull() ? bundledIcon(true, QString()) : icon;
    }
    return fileIcon(item.path);
}
