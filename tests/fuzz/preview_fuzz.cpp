// Fuzz entry point of the DWG preview reader: any bytes as a drawing file.
#include "drawing/PreviewLayout.h"
#include "drawing/PreviewReader.h"

#include <QtEndian>

#include <cstdlib>

namespace {

const QByteArray Before("untouched");

void require(bool condition) {
    if (!condition)
        std::abort();
}

// A bitmap result is a whole BMP image no larger than the input allows;
// otherwise the stream must not have changed.
void checkBitmap(FileAccess& file, std::size_t size) {
    QByteArray bmp = Before;
    if (!ReadDrawingPreview(bmp, file)) {
        require(bmp == Before);
        return;
    }
    using namespace PreviewLayout;
    require(bmp.size() > BmpFileHeaderLength + BitmapHeadLength);
    require(std::size_t(bmp.size() - BmpFileHeaderLength) <= size);
    require(bmp.startsWith("BM"));
    require(qFromLittleEndian<std::uint32_t>(bmp.constData() + 2) == std::uint32_t(bmp.size()));
    require(qFromLittleEndian<std::uint32_t>(bmp.constData() + 10) == 1078);
}

void checkPng(FileAccess& file, std::size_t size) {
    QByteArray png = Before;
    if (!ReadDrawingPreviewPng(png, file)) {
        require(png == Before);
        return;
    }
    require(png.startsWith("\x89PNG\r\n\x1a\n"));
    require(std::size_t(png.size()) <= size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BufferFileAccess file(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkBitmap(file, size);
    checkPng(file, size);
    QImage image;
    try {
        LoadDrawingPreview(image, file);
    } catch (const DrawingFileError&) {
    }
    return 0;
}
