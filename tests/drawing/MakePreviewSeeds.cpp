// Writes a few small synthetic drawing files into the folder given on the
// command line, as starting inputs for fuzzing the preview reader.
#include "PreviewFileBuilder.h"
#include "drawing/PreviewLayout.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace PreviewLayout;
    const std::pair<const char*, QByteArray> seeds[] = {
        {"bitmap-1-2-3", SyntheticDrawing(4, 2)},
        {"png", PreviewFileBuilder()
                    .entry(HeaderEntryCode, QByteArray(80, '\1'))
                    .entry(PngEntryCode, SyntheticPng(3, 2))
                    .build()},
        {"two-bitmaps", PreviewFileBuilder()
                            .entry(BitmapEntryCode, SyntheticBitmap(2, 2))
                            .entry(BitmapEntryCode, SyntheticBitmap(3, 1))
                            .build()},
        {"header-entry-only",
         PreviewFileBuilder().entry(HeaderEntryCode, QByteArray(80, '\1')).build()},
        {"empty-table", PreviewFileBuilder().build()},
        {"entry-past-end", PreviewFileBuilder().rawEntry(BitmapEntryCode, 90, 5000).build()},
    };
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const auto& [name, bytes] : seeds) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
