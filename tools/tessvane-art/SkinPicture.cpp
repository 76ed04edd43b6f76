#include "Pictures.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 50;
constexpr int kTitleBand = 28;

int grey(int value) {
    return qRgb(value, value, value);
}

} // namespace

// A glossy top with a bright second row, then a fall to near black.
int skinTitleGrey(int row) {
    if (row == 1)
        return 131;
    if (row <= 11)
        return 64 - (row * 10) / 11;
    if (row <= 24)
        return 18 - ((row - 12) * 11) / 12;
    return 4;
}

namespace {

void roundTopCorners(QImage& skin) {
    const QPoint outside[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}};
    for (const QPoint& p : outside) {
        skin.setPixel(p.x(), p.y(), grey(0));
        skin.setPixel(kWidth - 1 - p.x(), p.y(), grey(0));
    }
    skin.setPixel(1, 1, grey(30));
    skin.setPixel(kWidth - 2, 1, grey(30));
}

} // namespace

QList<Picture> skinPictures() {
    QImage skin(kWidth, kHeight, QImage::Format_RGB888);
    skin.fill(grey(6));
    for (int y = 0; y < kTitleBand; ++y)
        for (int x = 0; x < kWidth; ++x)
            skin.setPixel(x, y, grey(skinTitleGrey(y)));
    for (int y = kTitleBand; y < kHeight; ++y) {
        skin.setPixel(0, y, grey(2));
        skin.setPixel(kWidth - 1, y, grey(2));
        skin.setPixel(1, y, grey(41));
        skin.setPixel(kWidth - 2, y, grey(41));
    }
    for (int x = 1; x < kWidth - 1; ++x) {
        skin.setPixel(x, kHeight - 1, grey(2));
        if (x >= 2 && x < kWidth - 2)
            skin.setPixel(x, kHeight - 2, grey(41));
    }
    roundTopCorners(skin);
    return {{"skin/skin.png", skin}};
}
