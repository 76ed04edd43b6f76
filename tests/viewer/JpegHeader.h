#pragma once

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdio>

#include <jpeglib.h>

// What a test needs to know of a JPEG file's header: the kind of its first frame marker,
// its components, its size and its first two quantisation tables in natural order.
struct JpegHeader {
    bool readable = false;
    int frameMarker = 0; // 0xC0 baseline, 0xC2 progressive, ...
    int components = 0;
    int width = 0;
    int height = 0;
    std::array<std::array<int, 64>, 2> quantisation{};
};

// The first start-of-frame marker of the stream: walks the marker segments up to the scan.
inline int firstFrameMarker(const QByteArray& bytes) {
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        if (marker == 0xDA)
            return 0;
        const int length = static_cast<unsigned char>(bytes[at + 2]) << 8 |
                           static_cast<unsigned char>(bytes[at + 3]);
        at += 2 + length;
    }
    return 0;
}

inline JpegHeader ReadJpegHeader(const QByteArray& bytes) {
    JpegHeader header;
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return header;
    header.frameMarker = firstFrameMarker(bytes);
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
        header.readable = true;
        header.components = info.num_components;
        header.width = static_cast<int>(info.image_width);
        header.height = static_cast<int>(info.image_height);
        for (int table = 0; table < 2; ++table)
            if (const JQUANT_TBL* quant = info.quant_tbl_ptrs[table])
                for (int i = 0; i < 64; ++i)
                    header.quantisation[table][i] = quant->quantval[i];
    }
    jpeg_destroy_decompress(&info);
    return header;
}

// The standard luminance and chrominance tables scaled as libjpeg scales them for a
// quality of 50 or more, kept within 1..255 for baseline files.
inline std::array<std::array<int, 64>, 2> StandardQuantisation(int quality) {
    static constexpr int kLuminance[64] = {
        16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
        14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
        18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
        49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    static constexpr int kChrominance[64] = {
        17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
        99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
        99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
    const int scale = 200 - 2 * quality;
    std::array<std::array<int, 64>, 2> tables{};
    for (int i = 0; i < 64; ++i) {
        tables[0][i] = std::clamp((kLuminance[i] * scale + 50) / 100, 1, 255);
        tables[1][i] = std::clamp((kChrominance[i] * scale + 50) / 100, 1, 255);
    }
    return tables;
}
