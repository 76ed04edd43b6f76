#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>
#include <ostream>

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A temporary folder for one test, with helpers to lay out files and folders in it.
class TempFolder {
public:
    TempFolder() : path_(QDir(dir_.path()).canonicalPath() + u'/') {}

    // The folder's path, ending in "/".
    const QString& path() const { return path_; }
    QString operator()(const QString& relative) const { return path_ + relative; }

    // Creates a file (and the folders above it) holding `content`.
    void file(const QString& relative, const QByteArray& content = "x") const {
        const QString full = path_ + relative;
        QDir().mkpath(full.left(full.lastIndexOf(u'/')));
        QFile out(full);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(content);
        }
    }
    void files(std::initializer_list<const char*> names) const {
        for (const char* name : names) {
            QString relative = QString::fromUtf8(name);
            if (relative.endsWith(u'/')) {
                folder(relative);
            } else {
                file(relative);
            }
        }
    }
    void folder(const QString& relative) const { QDir().mkpath(path_ + relative); }

    static QByteArray read(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString path_;
};
