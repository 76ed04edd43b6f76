// tessvane-preview [--bmp-only] IN OUT
//
// Writes the preview embedded in the DWG file IN to OUT: the BMP image made from
// its bitmap entry, otherwise the PNG bytes of its PNG entry (unless
// --bmp-only). Exit status 0 when written, 1 when IN has no preview, 2 when IN
// cannot be read, OUT cannot be written or the command line is wrong. OUT is
// only replaced by a complete preview.
#include "drawing/PreviewReader.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

int fail(int status, const QString& message) {
    std::fprintf(stderr, "tessvane-preview: %s\n", qPrintable(message));
    return status;
}

bool readPreview(QByteArray& preview, const QString& in, bool bmpOnly) {
    LocalFileAccess file(in);
    return ReadDrawingPreview(preview, file) || (!bmpOnly && ReadDrawingPreviewPng(preview, file));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool bmpOnly = arguments.removeAll(QStringLiteral("--bmp-only")) > 0;
    if (arguments.size() != 2)
        return fail(2, QStringLiteral("usage: tessvane-preview [--bmp-only] IN OUT"));
    const QString& in = arguments[0];
    const QString& out = arguments[1];

    QByteArray preview;
    try {
        if (!readPreview(preview, in, bmpOnly))
            return fail(1, QStringLiteral("no preview in %1").arg(in));
    } catch (const DrawingFileError& error) {
        return fail(2, QString::fromStdString(error.what()));
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(preview) != preview.size() || !file.commit())
        return fail(2, QStringLiteral("cannot write %1: %2").arg(out, file.errorString()));
    return 0;
}
