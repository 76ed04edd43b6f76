#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSettingsFileName = QStringLiteral("Tessvane.ini");

} // namespace

QString FolderPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString GetAppFolder() {
    QString folder = FolderPart(QCoreApplication::applicationFilePath());
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString SettingsPath(const QString& appFolder) {
    const QString beside = appFolder + kSettingsFileName;
    if (QFileInfo::exists(beside) || QFileInfo(appFolder).isWritable())
        return beside;
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tessvane";
    QDir().mkpath(config);
    return config + u'/' + kSettingsFileName;
}
