#include "viewer/SaveViewPicture.h"

#include "viewer/JpegEncoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

#include <stdexcept>

namespace {

QByteArray encodeBmp(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        throw std::runtime_error(writer.errorString().toStdString());
    return bytes;
}

QByteArray encode(const QImage& picture, PictureFormat format) {
    return format == PictureFormat::Jpeg ? EncodeJpeg(picture, kSavedJpegQuality)
                                         : encodeBmp(picture);
}

[[noreturn]] void failWriting(const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString());
}

void writeReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failWriting(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        failWriting(path, reason);
    }
    if (!file.commit())
        failWriting(path, file.errorString());
}

} // namespace

QImage GrabViewPicture(QWidget* view) {
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void SaveViewPicture(QWidget* view, PictureFormat format, const QString& path) {
    writeReplacing(path, encode(GrabViewPicture(view), format));
}
