#include "DesktopFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

const char* const XdgVariables[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME",
                                    "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

DesktopFixture::DesktopFixture() {
    for (const char* name : XdgVariables) {
        saved_[name] =
            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    QDir root(root_.path());
    for (const char* dir : {"data/applications", "user-data/applications", "config",
                            "system-config", "bin", "opened"})
        root.mkpath(dir);
    QFile::link(QStringLiteral("/usr/share/mime"), root.filePath("data/mime"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dataDir()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(userDataDir()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath("system-config")));
    qputenv("XDG_CURRENT_DESKTOP", "Fixture");

    const QString recorder = root.filePath("bin/record-open");
    writeFile(recorder,
              QStringLiteral("#!/bin/sh\nname=$1\nshift\nprintf '%s\\n' \"$@\" > %1/$name.tmp\n"
                             "mv %1/$name.tmp %1/$name\n")
                  .arg(root.filePath("opened"))
                  .toUtf8());
    QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

DesktopFixture::~DesktopFixture() {
    for (const auto& [name, value] : saved_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

void DesktopFixture::addEntry(const QString& relativePath, const QString& text, bool user) {
    writeFile((user ? userDataDir() : dataDir()) + "/applications/" + relativePath, text.toUtf8());
}

QString DesktopFixture::recorderEntry(const QString& name, const QString& mimeTypes,
                                      const QString& extraLines) const {
    return QStringLiteral(
               "[Desktop Entry]\nType=Application\nName=%1\nExec=%2 %1 %f\nMimeType=%3\n%4")
        .arg(name, root_.filePath("bin/record-open"), mimeTypes, extraLines);
}

void DesktopFixture::addDrawingApplications() {
    addEntry("viewer.desktop", recorderEntry("Viewer", "image/vnd.dwg;"));
    addEntry("gone.desktop",
             recorderEntry("Gone", "image/vnd.dxf;", "TryExec=/nonexistent/gone\n"));
}

void DesktopFixture::setMimeApps(const QString& text, const QString& desktop) {
    const QString name = desktop.isEmpty() ? "mimeapps.list" : desktop + "-mimeapps.list";
    writeFile(root_.filePath("config/" + name), text.toUtf8());
}

QString DesktopFixture::document(const QString& name, const QByteArray& bytes) {
    const QString path = root_.filePath("documents/" + name);
    writeFile(path, bytes);
    return path;
}

std::optional<QString> DesktopFixture::openedBy(const QString& name, int waitMs) const {
    QFile marker(root_.filePath("opened/" + name));
    const QDeadlineTimer deadline(waitMs);
    while (!marker.exists() && !deadline.hasExpired())
        QThread::msleep(20);
    if (!marker.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(marker.readAll());
}
