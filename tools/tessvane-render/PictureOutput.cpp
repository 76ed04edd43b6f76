#include "PictureOutput.h"

#include <QImageWriter>
#include <QSaveFile>

std::optional<QColor> parseBackground(const QString& text) {
    const QColor color = QColor::fromString(text);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

QString writePicture(const QImage& picture, const QString& path, const char* format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    if (QByteArray(format) == "jpeg")
        writer.setQuality(kRenderJpegQuality);
    if (!writer.write(picture)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
