// Draws the pictures of the program's resources (skin, buttons, logo, icons, cursors and menu
// images) and writes them as PNG files under the folder given, normally resources/:
//   tessvane-art RESOURCES_FOLDER
#include "Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessvane-art RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QList<Picture> pictures;
    for (const auto& group : {skinPictures(), buttonPictures(), brandPictures(), cursorPictures(),
                              iconPictures(), menuImages()})
        pictures += group;
    for (const Picture& picture : pictures) {
        const QString path = out.filePath(picture.file);
        if (!QDir().mkpath(QFileInfo(path).path()) || !picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "tessvane-art: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("%lld pictures written to %s\n", static_cast<long long>(pictures.size()),
                qPrintable(out.absolutePath()));
    return 0;
}
