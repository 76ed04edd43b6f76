#include "CorpusFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

QString CorpusDir() {
    return QStringLiteral(TESSVANE_CORPUS_DIR);
}

bool HaveCorpus() {
    return QDir(CorpusDir()).exists();
}

QStringList CorpusFiles() {
    QStringList files;
    QDirIterator it(CorpusDir(), {"*.dwg", "*.dxf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

CorpusPreview ExpectedCorpusPreview(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.dir().dirName();
    if (info.suffix() == QLatin1String("dxf") ||
        info.fileName() == QLatin1String("PolyLine2D.dwg") || folder == QLatin1String("2018"))
        return CorpusPreview::None;
    return folder == QLatin1String("2013") ? CorpusPreview::Png : CorpusPreview::Bitmap;
}
