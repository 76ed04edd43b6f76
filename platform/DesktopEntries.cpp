#include "platform/DesktopEntries.h"

#include "platform/KeyFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString EntryGroup = QStringLiteral("Desktop Entry");

// The value of `key` in the user's language: key[ll_CC], key[ll], then key.
QString localizedValue(const KeyFileGroup& group, const QString& key) {
    const QString locale = QLocale::system().name();
    for (const QString& variant : {locale, locale.section(u'_', 0, 0)}) {
        const auto found = group.find(key + u'[' + variant + u']');
        if (!variant.isEmpty() && found != group.end())
            return UnescapeKeyFileValue(*found);
    }
    return UnescapeKeyFileValue(group.value(key));
}

bool isTrue(const KeyFileGroup& group, const QString& key) {
    return group.value(key) == QLatin1String("true");
}

// The desktop file id: the path below the applications folder, "/" as "-".
QString entryId(const QDir& applicationDir, const QString& filePath) {
    return applicationDir.relativeFilePath(filePath).replace(u'/', u'-');
}

} // namespace

std::optional<DesktopApplication> ParseDesktopEntry(const QString& id, const QByteArray& text) {
    const KeyFile file = ParseKeyFile(text);
    const auto group = file.find(EntryGroup);
    if (group == file.end() ||
        group->value(QStringLiteral("Type")) != QLatin1String("Application") ||
        isTrue(*group, QStringLiteral("Hidden")))
        return std::nullopt;
    DesktopApplication application;
    application.id = id;
    application.name = localizedValue(*group, QStringLiteral("Name"));
    application.exec = UnescapeKeyFileValue(group->value(QStringLiteral("Exec")));
    application.tryExec = UnescapeKeyFileValue(group->value(QStringLiteral("TryExec")));
    application.icon = localizedValue(*group, QStringLiteral("Icon"));
    application.mimeTypes = KeyFileList(group->value(QStringLiteral("MimeType")));
    application.noDisplay = isTrue(*group, QStringLiteral("NoDisplay"));
    if (application.name.isEmpty() || application.exec.isEmpty())
        return std::nullopt;
    return application;
}

std::vector<DesktopApplication> DesktopApplications(const QStringList& applicationDirs) {
    std::vector<DesktopApplication> applications;
    QSet<QString> seenIds;
    for (const QString& dirPath : applicationDirs) {
        const QDir dir(dirPath);
        QDirIterator files(dirPath, {QStringLiteral("*.desktop")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString filePath = files.next();
            const QString id = entryId(dir, filePath);
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id); // a hidden entry still shadows later ones
            QFile file(filePath);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (auto application = ParseDesktopEntry(id, file.readAll()))
                applications.push_back(std::move(*application));
        }
    }
    std::sort(applications.begin(), applications.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return applications;
}

std::vector<DesktopApplication> DesktopApplications() {
    return DesktopApplications(
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation));
}

std::vector<DesktopApplication>
ApplicationsForMimeType(const std::vector<DesktopApplication>& applications,
                        const QMimeType& mimeType) {
    // Every type inherits from application/octet-stream; programs for any bytes
    // at all are no association with a particular type.
    const QString anyBytes = QStringLiteral("application/octet-stream");
    QStringList accepted = mimeType.allAncestors();
    accepted.removeAll(anyBytes);
    accepted << mimeType.name() << mimeType.aliases();
    std::vector<DesktopApplication> matching;
    std::copy_if(applications.begin(), applications.end(), std::back_inserter(matching),
                 [&accepted](const DesktopApplication& application) {
                     return std::any_of(
                         application.mimeTypes.begin(), application.mimeTypes.end(),
                         [&accepted](const QString& type) { return accepted.contains(type); });
                 });
    return matching;
}
