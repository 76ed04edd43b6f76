#include "app/HomePages.h"

#include "app/AppFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString HomePageAddress(const QString& programFolder, const QString& fileName) {
    const QString beside = programFolder + "docs/" + fileName;
    const QString installed = QDir::cleanPath(programFolder + "../share/tessvane/docs/" + fileName);
    const QString page = QFileInfo::exists(beside) ? beside : installed;
    return QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

HomePage::operator QString() const {
    return HomePageAddress(GetAppFolder(), QString::fromLatin1(fileName));
}
