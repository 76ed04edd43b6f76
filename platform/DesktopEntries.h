#pragma once

#include <QMimeType>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// An application as the desktop announces it: one freedesktop `.desktop` entry
// of type Application found under an "applications" folder of the XDG data dirs.
struct DesktopApplication {
    QString id;   // the entry's desktop file id, e.g. "org.example.Viewer.desktop"
    QString name; // in the user's language where the entry has it
    QString exec; // the Exec line, field codes unexpanded
    QString tryExec;
    QString icon;
    QStringList mimeTypes;
    bool noDisplay = false;
};

// Reads one entry's text. Nothing when it is not an application, is marked
// Hidden, or lacks a name or an Exec line.
std::optional<DesktopApplication> ParseDesktopEntry(const QString& id, const QByteArray& text);

// Every application of the folders in `applicationDirs`, earlier folders
// shadowing entries of the same id in later ones; sorted by name.
std::vector<DesktopApplication> DesktopApplications(const QStringList& applicationDirs);

// The same over the desktop's own folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS).
std::vector<DesktopApplication> DesktopApplications();

// The applications that declare `mimeType`, one of its aliases or one of the
// types it inherits from (but for application/octet-stream, from which every
// type inherits), in the order of `applications`.
std::vector<DesktopApplication>
ApplicationsForMimeType(const std::vector<DesktopApplication>& applications,
                        const QMimeType& mimeType);
