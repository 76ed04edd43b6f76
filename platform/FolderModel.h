#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// One entry of a folder as the browser shows it.
struct ShellItem {
    bool inFileSystem = false;
    bool isFolder = false;
    QString path;        // full path, folders end in "/"; empty outside the file system
    QString displayName; // the name as listed
    QString identity;    // what navigation accepts: the path, or an id for virtual items
    QString detail[3];   // Size, Type, Modified texts; "" when the entry has none
};

// Reads folders into ShellItems: folders first, then files, each group in natural,
// case-insensitive name order. The virtual root "Computer" has no path and lists the
// home folder, the file-system root and the mounted volumes.
class FolderModel {
public:
    static const QString kComputerIdentity; // "computer:"
    static const QString kComputerName;     // "Computer"

    // The folder identity a path or identity leads to: a real folder path ending in "/",
    // kComputerIdentity, or "" when it leads nowhere (missing, not a folder, not readable).
    static QString resolve(const QString& pathOrIdentity);
    // The identity of the folder above; "" above the virtual root.
    static QString parentOf(const QString& identity);
    // The entry describing a folder identity itself (the root or a real folder).
    static ShellItem describeFolder(const QString& identity);
    // The virtual root's entries.
    static QList<ShellItem> computerItems();

    // "58 KB": kilobytes rounded up, with the locale's digit grouping.
    static QString sizeText(qint64 bytes);
    // The ";"-separated wildcard patterns of a filter, letter case ignored.
    static QList<QRegularExpression> compileFilter(const QString& filter);
    // Whether a file name matches one of the patterns (no patterns: every name does).
    static bool matchesFilter(const QString& fileName, const QList<QRegularExpression>& patterns);

    void setFolder(const QString& identity); // an identity as returned by resolve()
    QString folder() const { return folder_; }
    void setFilter(const QString& filter);
    QString filter() const { return filter_; }
    void setShowHidden(bool show) { showHidden_ = show; }
    bool showHidden() const { return showHidden_; }

    // Reads the folder again; items() then holds what it lists.
    void reload();
    const QList<ShellItem>& items() const { return items_; }

private:
    QList<ShellItem> readFileSystemFolder() const;

    QString folder_;
    QString filter_;
    QList<QRegularExpression> patterns_;
    bool showHidden_ = false;
    QList<ShellItem> items_;
};
