#include "platform/MimeApps.h"

#include "platform/DesktopLaunch.h"
#include "platform/KeyFile.h"

#include <QFile>
#include <QStandardPaths>

namespace {

// The mimeapps.list files, most important first: the user's and the system's
// configuration folders, then the applications folders of the data dirs; in
// each folder the lists of the running desktops (e.g. gnome-mimeapps.list)
// come before the common one.
QStringList mimeAppsFiles() {
    QStringList names;
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        names << desktop.toLower() + QStringLiteral("-mimeapps.list");
    names << QStringLiteral("mimeapps.list");
    QStringList files;
    for (const auto location :
         {QStandardPaths::GenericConfigLocation, QStandardPaths::ApplicationsLocation}) {
        for (const QString& dir : QStandardPaths::standardLocations(location)) {
            for (const QString& name : names)
                files << dir + u'/' + name;
        }
    }
    return files;
}

KeyFile readKeyFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? ParseKeyFile(file.readAll()) : KeyFile();
}

struct Associations {
    QStringList defaults;
    QStringList added;
    QStringList removed;
};

Associations associationsOf(const QString& mimeType) {
    Associations associations;
    for (const QString& path : mimeAppsFiles()) {
        const KeyFile file = readKeyFile(path);
        const auto listed = [&](const char* group) {
            return KeyFileList(file.value(QLatin1String(group)).value(mimeType));
        };
        associations.defaults << listed("Default Applications");
        associations.added << listed("Added Associations");
        associations.removed << listed("Removed Associations");
    }
    return associations;
}

const DesktopApplication* findById(const std::vector<DesktopApplication>& applications,
                                   const QString& id) {
    for (const DesktopApplication& application : applications) {
        if (application.id == id)
            return &application;
    }
    return nullptr;
}

} // namespace

std::optional<DesktopApplication>
DefaultApplicationFor(const std::vector<DesktopApplication>& applications,
                      const QMimeType& mimeType) {
    const Associations associations = associationsOf(mimeType.name());
    QStringList candidates = associations.defaults;
    QStringList associated = associations.added;
    for (const DesktopApplication& application : ApplicationsForMimeType(applications, mimeType))
        associated << application.id;
    for (const QString& id : associated) {
        if (!associations.removed.contains(id))
            candidates << id;
    }

    const DesktopApplication* first = nullptr;
    for (const QString& id : candidates) {
        const DesktopApplication* application = findById(applications, id);
        if (application && IsInstalled(*application))
            return *application;
        if (!first)
            first = application;
    }
    return first ? std::optional(*first) : std::nullopt;
}
