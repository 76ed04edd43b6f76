// tessvane-thumbnailer -s SIZE IN OUT
//
// The desktop's thumbnailer for DWG files: writes the drawing's embedded
// preview as a PNG no larger than SIZE x SIZE, proportions kept, to OUT. IN is a
// path or a file:// URL. A non-zero exit status (1: no preview, 2: IN cannot
// be read, OUT cannot be written, wrong command line) lets the file manager keep
// its icon; OUT is only written with a complete thumbnail.
#include "drawing/PreviewReader.h"

#include <QCoreApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QUrl>

#include <cstdio>

namespace {

int fail(int status, const QString& message) {
    std::fprintf(stderr, "tessvane-thumbnailer: %s\n", qPrintable(message));
    return status;
}

QString localPath(const QString& argument) {
    const QUrl url(argument);
    return url.isLocalFile() ? url.toLocalFile() : argument;
}

QImage fitted(const QImage& preview, int size) {
    if (preview.width() <= size && preview.height() <= size)
        return preview;
    return preview.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    bool sizeValid = false;
    const int size = arguments.value(1).toInt(&sizeValid);
    if (arguments.size() != 4 || arguments[0] != QLatin1String("-s") || !sizeValid || size < 1)
        return fail(2, QStringLiteral("usage: tessvane-thumbnailer -s SIZE IN OUT"));
    const QString in = localPath(arguments[2]);
    const QString& out = arguments[3];

    QImage preview;
    try {
        if (!LoadDrawingPreview(preview, in))
            return fail(1, QStringLiteral("no preview in %1").arg(in));
    } catch (const DrawingFileError& error) {
        return fail(2, QString::fromStdString(error.what()));
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !fitted(preview, size).save(&file, "PNG") ||
        !file.commit())
        return fail(2, QStringLiteral("cannot write %1: %2").arg(out, file.errorString()));
    return 0;
}
