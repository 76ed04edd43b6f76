#pragma once

#include <QString>

// The folder of the running executable, ending in "/".
QString GetAppFolder();
// Everything up to and including the last "/" of a path; empty when it has none.
QString FolderPart(const QString& path);
// Where the settings file lives: "Tessvane.ini" in AppFolder when that file exists or the
// folder is writable (so a copied program keeps its settings beside it); otherwise in the
// user's configuration folder, so that settings are never lost to a folder the user cannot
// write.
QString SettingsPath(const QString& appFolder);
