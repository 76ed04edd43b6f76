#include "platform/FolderModel.h"

#include "platform/NaturalOrder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeDatabase>
#include <QSet>
#include <QStorageInfo>
#include <QUrl>

#include <algorithm>

const QString FolderModel::kComputerIdentity = QStringLiteral("computer:");
const QString FolderModel::kComputerName = QStringLiteral("Computer");

namespace {

QString withTrailingSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

QString expandHome(const QString& path) {
    if (path == u'~') {
        return QDir::homePath();
    }
    if (path.startsWith(QLatin1String("~/"))) {
        return QDir::homePath() + path.mid(1);
    }
    return path;
}

// Mount points that hold the system itself rather than the user's volumes.
bool isSystemMount(const QString& root) {
    static const QStringList prefixes{"/proc", "/sys", "/dev", "/boot", "/etc",
                                      "/snap", "/var", "/usr", "/tmp",  "/run"};
    if (root.startsWith(QLatin1String("/run/media/"))) {
        return false;
    }
    return std::any_of(prefixes.begin(), prefixes.end(), [&](const QString& prefix) {
        return root == prefix || root.startsWith(prefix + u'/');
    });
}

QString typeText(const QFileInfo& info) {
    static const QMimeDatabase mimes;
    if (info.isDir()) {
        return mimes.mimeTypeForName(QStringLiteral("inode/directory")).comment();
    }
    const QMimeType mime = mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    if (mime.isDefault() || mime.comment().isEmpty()) {
        const QString suffix = info.suffix().toUpper();
        return suffix.isEmpty() ? QStringLiteral("File") : suffix + QStringLiteral(" File");
    }
    return mime.comment();
}

// Type texts of one folder's files, looked up once per distinct ending: a folder of
// thousands of drawings asks the MIME database a handful of times.
class TypeTexts {
public:
    QString of(const QFileInfo& info) {
        const QString ending = info.completeSuffix().toLower();
        if (ending.isEmpty() || info.isDir()) {
            return typeText(info);
        }
        auto found = byEnding_.constFind(ending);
        if (found == byEnding_.constEnd()) {
            found = byEnding_.insert(ending, typeText(info));
        }
        return *found;
    }

private:
    QHash<QString, QString> byEnding_;
};

ShellItem itemFromInfo(const QFileInfo& info, TypeTexts& types) {
    ShellItem item;
    item.inFileSystem = true;
    item.isFolder = info.isDir();
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    item.path = item.isFolder ? withTrailingSlash(path) : path;
    item.identity = item.path;
    item.displayName = info.fileName().isEmpty() ? path : info.fileName();
    item.detail[0] = item.isFolder ? QString() : FolderModel::sizeText(info.size());
    item.detail[1] = types.of(info);
    const QDateTime modified = info.lastModified();
    item.detail[2] =
        modified.isValid() ? QLocale().toString(modified, QLocale::ShortFormat) : QString();
    return item;
}

ShellItem namedFolderItem(const QString& path, const QString& name) {
    TypeTexts types;
    ShellItem item = itemFromInfo(QFileInfo(path), types);
    item.displayName = name;
    return item;
}

QSet<QString> namesListedHidden(const QString& folder) {
    QSet<QString> names;
    QFile file(folder + QStringLiteral(".hidden"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return names;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            names.insert(line.trimmed());
        }
    }
    return names;
}

bool listedBefore(const ShellItem& a, const ShellItem& b) {
    if (a.isFolder != b.isFolder) {
        return a.isFolder;
    }
    return naturalCompare(a.displayName, b.displayName) < 0;
}

} // namespace

QString FolderModel::resolve(const QString& pathOrIdentity) {
    if (pathOrIdentity == kComputerIdentity) {
        return kComputerIdentity;
    }
    QString path = pathOrIdentity.trimmed();
    if (path.startsWith(QLatin1String("file:"))) {
        path = QUrl(path).toLocalFile();
    }
    path = expandHome(path);
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return QString();
    }
    const QFileInfo info(path);
    // A folder that cannot be listed leads nowhere: showing it empty would hide the reason.
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        return QString();
    }
    return withTrailingSlash(QDir::cleanPath(info.absoluteFilePath()));
}

QString FolderModel::parentOf(const QString& identity) {
    if (identity == kComputerIdentity || identity.isEmpty()) {
        return QString();
    }
    if (identity == u'/') {
        return kComputerIdentity;
    }
    const QString path = QDir::cleanPath(identity);
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash + 1);
}

ShellItem FolderModel::describeFolder(const QString& identity) {
    if (identity == kComputerIdentity) {
        ShellItem root;
        root.isFolder = true;
        root.displayName = kComputerName;
        root.identity = kComputerIdentity;
        return root;
    }
    TypeTexts types;
    return itemFromInfo(QFileInfo(QDir::cleanPath(identity)), types);
}

QList<ShellItem> FolderModel::computerItems() {
    QList<ShellItem> items;
    const QString home = withTrailingSlash(QDir::homePath());
    items.append(namedFolderItem(home, QStringLiteral("Home")));
    items.append(namedFolderItem(QStringLiteral("/"), QStringLiteral("File System")));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || root == u'/' ||
            !volume.device().startsWith("/dev/") || isSystemMount(root) ||
            withTrailingSlash(root) == home || !QFileInfo(root).isDir()) {
            continue;
        }
        const QString name = volume.displayName().isEmpty() ? root : volume.displayName();
        items.append(namedFolderItem(root, name));
    }
    return items;
}

QString FolderModel::sizeText(qint64 bytes) {
    const qint64 kilobytes = bytes <= 0 ? 0 : (bytes + 1023) / 1024;
    return QLocale().toString(kilobytes) + QStringLiteral(" KB");
}

QList<QRegularExpression> FolderModel::compileFilter(const QString& filter) {
    QList<QRegularExpression> patterns;
    for (const QString& part : filter.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty()) {
            QRegularExpression wildcard =
                QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
            if (!wildcard.isValid()) {
                // A pattern that is no valid wildcard ("[" alone) stands for its own text.
                wildcard = QRegularExpression(
                    QRegularExpression::anchoredPattern(QRegularExpression::escape(pattern)),
                    QRegularExpression::CaseInsensitiveOption);
            }
            patterns.append(wildcard);
        }
    }
    return patterns;
}

bool FolderModel::matchesFilter(const QString& fileName,
                                const QList<QRegularExpression>& patterns) {
    if (patterns.isEmpty()) {
        return true;
    }
    return std::any_of(patterns.begin(), patterns.end(), [&](const QRegularExpression& pattern) {
        return pattern.match(fileName).hasMatch();
    });
}

void FolderModel::setFolder(const QString& identity) {
    folder_ = identity;
}

void FolderModel::setFilter(const QString& filter) {
    filter_ = filter;
    patterns_ = compileFilter(filter);
}

void FolderModel::reload() {
    if (folder_ == kComputerIdentity) {
        items_ = computerItems();
        return;
    }
    items_ = folder_.isEmpty() ? QList<ShellItem>() : readFileSystemFolder();
}

QList<ShellItem> FolderModel::readFileSystemFolder() const {
    const QDir dir(folder_);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
    const QSet<QString> listedHidden = showHidden_ ? QSet<QString>() : namesListedHidden(folder_);
    QList<ShellItem> items;
    items.reserve(entries.size());
    TypeTexts types;
    for (const QFileInfo& info : entries) {
        const QString name = info.fileName();
        if (!showHidden_ && (name.startsWith(u'.') || listedHidden.contains(name))) {
            continue;
        }
        if (!info.isDir() && !matchesFilter(name, patterns_)) {
            continue;
        }
        items.append(itemFromInfo(info, types));
    }
    std::sort(items.begin(), items.end(), listedBefore);
    return items;
}
