#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One picture of the program's resources and the file, relative to resources/, it goes to.
struct Picture {
    QString file;
    QImage image;
};

// The colour that bitmap buttons treat as transparent.
inline constexpr QRgb kTransparentKey = 0xFFFF00FF;

// The grey (0 to 255) of a row of the skin's title band, which the title-row buttons share.
int skinTitleGrey(int row);

QList<Picture> skinPictures();   // the nine-piece window skin
QList<Picture> buttonPictures(); // system and command buttons, up and hot
QList<Picture> brandPictures();  // the logo and the window icon
QList<Picture> cursorPictures(); // the pan and zoom-window cursors
QList<Picture> iconPictures();   // the 32 x 32 folder, drawing and file icons
QList<Picture> menuImages();     // the 16 x 16 images of menus and the Up button
