#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>

// A desktop of its own for one test: XDG data and configuration folders in a
// temporary folder (the MIME database borrowed from the system), restored when
// the fixture goes. Its applications are a shell script that records the files
// each was started with.
class DesktopFixture {
public:
    DesktopFixture();
    ~DesktopFixture();
    DesktopFixture(const DesktopFixture&) = delete;
    DesktopFixture& operator=(const DesktopFixture&) = delete;

    // Writes a desktop entry below the system's (or the user's) applications folder.
    void addEntry(const QString& relativePath, const QString& text, bool user = false);

    // An entry whose program records its files under `name`.
    QString recorderEntry(const QString& name, const QString& mimeTypes,
                          const QString& extraLines = {}) const;

    // Two entries most tests need: "Viewer" for DWG files, and "Gone" for DXF
    // files, whose program is missing.
    void addDrawingApplications();

    // Writes the user's mimeapps.list, or the one of the named desktop.
    void setMimeApps(const QString& text, const QString& desktop = {});

    // Writes a file for the applications to open and returns its path.
    QString document(const QString& name, const QByteArray& bytes = "content\n");

    // The arguments the recorder `name` was started with, one a line; waits up
    // to `waitMs` for it to run. Nothing when it did not run.
    std::optional<QString> openedBy(const QString& name, int waitMs = 5000) const;

    QString dataDir() const { return root_.filePath("data"); }
    QString userDataDir() const { return root_.filePath("user-data"); }

private:
    QTemporaryDir root_;
    std::map<QByteArray, std::optional<QByteArray>> saved_;
};
