#include "platform/FileOperations.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QRandomGenerator>
#include <QUrl>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const QString kGnomeCopiedFiles = QStringLiteral("x-special/gnome-copied-files");

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString withoutTrailingSlash(const QString& path) {
    return path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
}

// "plan.dwg" -> "plan (copy).dwg", then "plan (copy 2).dwg" and so on, the first free one.
QString freeCopyName(const QString& folder, const QString& name, bool isFolder) {
    const qsizetype dot = isFolder ? -1 : name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1;; ++n) {
        const QString mark =
            n == 1 ? QStringLiteral(" (copy)") : QStringLiteral(" (copy %1)").arg(n);
        const QString candidate = folder + base + mark + suffix;
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink()) {
            return candidate;
        }
    }
}

bool isInside(const QString& path, const QString& folder) {
    const QString cleanFolder = QDir::cleanPath(folder) + u'/';
    return (QDir::cleanPath(path) + u'/').startsWith(cleanFolder);
}

bool exists(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// Replaces a file by a copy of another through a new temporary file beside it, so a failed
// copy leaves the old file as it was.
bool copyFileSafely(const QString& source, const QString& target) {
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temporary =
            target + QStringLiteral(".partial-%1")
                         .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        // copy_options::none never overwrites: an existing name fails and another is tried.
        if (!fs::copy_file(nativePath(source), nativePath(temporary), fs::copy_options::none,
                           error)) {
            if (error == std::errc::file_exists) {
                continue;
            }
            return false;
        }
        fs::rename(nativePath(temporary), nativePath(target), error);
        if (error) {
            std::error_code ignored;
            fs::remove(nativePath(temporary), ignored);
        }
        return !error;
    }
    return false;
}

bool copyEntry(const QString& source, const QString& target) {
    const QFileInfo info(source);
    if (info.isSymLink() || !info.isDir()) {
        if (info.isSymLink()) {
            std::error_code error;
            fs::copy_symlink(nativePath(source), nativePath(target), error);
            return !error;
        }
        return copyFileSafely(source, target);
    }
    std::error_code error;
    fs::create_directories(nativePath(target), error);
    if (error) {
        return false;
    }
    bool ok = true;
    const QDir dir(source);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        ok = copyEntry(source + u'/' + name, target + u'/' + name) && ok;
    }
    return ok;
}

bool removeEntry(const QString& path) {
    std::error_code error;
    fs::remove_all(nativePath(path), error);
    return !error;
}

} // namespace

FileOperations::FileOperations(QWidget* dialogParent) : dialogParent_(dialogParent) {}

QMimeData* FileOperations::makeMimeData(const QStringList& paths, bool cut) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome = cut ? "cut" : "copy";
    for (const QString& path : paths) {
        const QUrl url = QUrl::fromLocalFile(withoutTrailingSlash(path));
        urls.append(url);
        gnome += '\n' + url.toEncoded();
    }
    data->setUrls(urls);
    data->setData(kGnomeCopiedFiles, gnome);
    return data;
}

QStringList FileOperations::pathsFromMimeData(const QMimeData* data, bool* cut) {
    QStringList paths;
    bool isCut = false;
    if (data && data->hasFormat(kGnomeCopiedFiles)) {
        const QList<QByteArray> lines = data->data(kGnomeCopiedFiles).split('\n');
        isCut = !lines.isEmpty() && lines.first().trimmed() == "cut";
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QUrl url = QUrl::fromEncoded(lines[i].trimmed());
            if (url.isLocalFile()) {
                paths.append(url.toLocalFile());
            }
        }
    } else if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                paths.append(url.toLocalFile());
            }
        }
    }
    if (cut) {
        *cut = isCut;
    }
    return paths;
}

void FileOperations::putOnClipboard(const QStringList& paths, bool cut) {
    if (!paths.isEmpty()) {
        QApplication::clipboard()->setMimeData(makeMimeData(paths, cut));
    }
}

QStringList FileOperations::paste(const QString& folder) {
    bool cut = false;
    const QStringList sources = pathsFromMimeData(QApplication::clipboard()->mimeData(), &cut);
    const QString destination = QDir::cleanPath(folder) + u'/';
    QStringList created;
    QStringList failed;
    for (const QString& rawSource : sources) {
        const QString source = withoutTrailingSlash(rawSource);
        const QFileInfo info(source);
        if (!exists(source)) {
            failed.append(source);
            continue;
        }
        const bool isFolder = info.isDir() && !info.isSymLink();
        if (isFolder && isInside(destination, source)) {
            failed.append(source); // a folder cannot hold a copy of itself
            continue;
        }
        QString target = destination + info.fileName();
        if (QDir::cleanPath(target) == QDir::cleanPath(source)) {
            if (cut) {
                continue; // moving onto itself leaves it where it is
            }
            target = freeCopyName(destination, info.fileName(), isFolder);
        } else if (exists(target) && !ask(Question::Overwrite, {target})) {
            continue;
        }
        if (transfer(source, target, cut, failed)) {
            created.append(isFolder ? target + u'/' : target);
        }
    }
    if (cut && failed.isEmpty() && !created.isEmpty()) {
        QApplication::clipboard()->clear();
    }
    if (!failed.isEmpty()) {
        reportFailure(QObject::tr("These items could not be pasted:"), failed);
    }
    return created;
}

bool FileOperations::transfer(const QString& source, const QString& target, bool move,
                              QStringList& failed) {
    const QFileInfo from(source);
    const QFileInfo to(target);
    const bool sourceIsFolder = from.isDir() && !from.isSymLink();
    const bool targetIsFolder = to.isDir() && !to.isSymLink();
    if (exists(target) && sourceIsFolder != targetIsFolder) {
        failed.append(source); // a file never replaces a folder, nor a folder a file
        return false;
    }
    if (move && !exists(target)) {
        std::error_code error;
        fs::rename(nativePath(source), nativePath(target), error);
        if (!error) {
            return true;
        }
    }
    if (!copyEntry(source, target)) {
        failed.append(source);
        return false;
    }
    if (move && !removeEntry(source)) {
        failed.append(source);
    }
    return true;
}

void FileOperations::trash(const QStringList& paths) {
    removeEach(Question::Trash, paths, QObject::tr("These items could not be moved to the trash:"),
               [](const QString& path) { return QFile::moveToTrash(path); });
}

void FileOperations::remove(const QStringList& paths) {
    removeEach(Question::Delete, paths, QObject::tr("These items could not be deleted:"),
               removeEntry);
}

void FileOperations::removeEach(Question question, const QStringList& paths,
                                const QString& failureMessage,
                                const std::function<bool(const QString&)>& removeOne) {
    if (paths.isEmpty() || !ask(question, paths)) {
        return;
    }
    QStringList failed;
    for (const QString& path : paths) {
        if (!removeOne(withoutTrailingSlash(path))) {
            failed.append(path);
        }
    }
    if (!failed.isEmpty()) {
        reportFailure(failureMessage, failed);
    }
}

bool FileOperations::ask(Question question, const QStringList& paths) const {
    if (confirm_) {
        return confirm_(question, paths);
    }
    QString text;
    const QString subject = paths.size() == 1
                                ? QStringLiteral("\"%1\"").arg(
                                      QFileInfo(withoutTrailingSlash(paths.first())).fileName())
                                : QObject::tr("these %n items", nullptr, int(paths.size()));
    switch (question) {
    case Question::Trash:
        text = QObject::tr("Move %1 to the trash?").arg(subject);
        break;
    case Question::Delete:
        text = QObject::tr("Permanently delete %1? This cannot be undone.").arg(subject);
        break;
    case Question::Overwrite:
        text = QObject::tr("%1 already exists here. Replace it?").arg(subject);
        break;
    }
    return QMessageBox::question(dialogParent_, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void FileOperations::reportFailure(const QString& message, const QStringList& paths) const {
    if (failure_) {
        failure_(message, paths);
        return;
    }
    QMessageBox::warning(dialogParent_, QApplication::applicationName(),
                         message + u'\n' + paths.join(u'\n'));
}
