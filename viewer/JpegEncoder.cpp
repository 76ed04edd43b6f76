#include "viewer/JpegEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg ends the process on an error unless error_exit returns elsewhere; it jumps back
// to the compressing function with the library's message.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jumpBack, 1);
}

// Runs the compressor over rows of packed 8-bit RGB; no C++ object with a destructor lives
// in this frame, so the error jump skips nothing. False on a library error.
bool compress(const QImage& rgb, int quality, ErrorManager& errors, unsigned char*& output,
              unsigned long& outputSize) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    if (setjmp(errors.jumpBack)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output, &outputSize);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        throw std::runtime_error("There is no picture to compress.");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    ErrorManager errors{};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    const bool done = compress(rgb, quality, errors, output, outputSize);
    QByteArray bytes;
    if (done)
        bytes =
            QByteArray(reinterpret_cast<const char*>(output), static_cast<qsizetype>(outputSize));
    std::free(output);
    if (!done)
        throw std::runtime_error(std::string("JPEG compression failed: ") + errors.message);
    return bytes;
}
