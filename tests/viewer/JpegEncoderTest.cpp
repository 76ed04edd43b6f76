#include "viewer/JpegEncoder.h"
#include "tests/viewer/JpegHeader.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage testPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    painter.drawLine(0, 0, width - 1, height - 1);
    painter.fillRect(width / 4, height / 4, width / 2, height / 2, Qt::blue);
    return picture;
}

TEST(JpegEncoder, WritesBaselineColourWithTheQuality90Tables) {
    const QByteArray bytes = EncodeJpeg(testPicture(123, 45), 90);
    const JpegHeader header = ReadJpegHeader(bytes);
    ASSERT_TRUE(header.readable);
    EXPECT_EQ(header.frameMarker, 0xC0);
    EXPECT_EQ(header.components, 3);
    EXPECT_EQ(header.width, 123);
    EXPECT_EQ(header.height, 45);
    EXPECT_EQ(header.quantisation, StandardQuantisation(90));
}

TEST(JpegEncoder, ThePictureSurvivesCompression) {
    const QImage picture = testPicture(64, 48);
    const QImage decoded = QImage::fromData(EncodeJpeg(picture, 90), "JPG");
    ASSERT_EQ(decoded.size(), picture.size());
    const QColor centre = decoded.pixelColor(32, 24);
    EXPECT_LT(centre.red(), 30);
    EXPECT_GT(centre.blue(), 220);
    EXPECT_GT(decoded.pixelColor(2, 40).lightness(), 230);
}

TEST(JpegEncoder, TakesPicturesOfEveryFormatAndRefusesAnEmptyOne) {
    QImage indexed = testPicture(20, 10).convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(ReadJpegHeader(EncodeJpeg(indexed, 90)).components, 3);
    QImage alpha(16, 16, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    EXPECT_TRUE(ReadJpegHeader(EncodeJpeg(alpha, 90)).readable);
    EXPECT_THROW(EncodeJpeg(QImage(), 90), std::runtime_error);
}

} // namespace
