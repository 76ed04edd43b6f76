#pragma once

#include <QtGlobal>

#include <functional>

class DDVue;
class ShellList;
class ThumbGrid;

// What the options dialog reads and changes in the window it serves: the settings fields
// where they live, and the components the settings apply to.
struct OptionsTarget {
    bool& LoadAllFile;
    bool& ShowHidden;
    qint32& ThumbW;
    quint32& ThumbBorderColor;
    quint32& ThumbBackColor;
    qint32& ThumbSpaceW;
    qint32& ThumbSpaceH;
    quint8& ThumbBorderType;
    quint32& BkColor;
    ShellList& ShellListFiles;
    ThumbGrid& ShellThumbFiles;
    DDVue& DDVue1;
    // 1 while the thumbnail grid is in front of the list.
    const qint32& ThumbnailMode;
    // Rebuilds the grid from the list's items.
    std::function<void()> RefreshThumbnails;
    // The interface language: true for the Chinese texts.
    bool ChineseUI = false;
};
