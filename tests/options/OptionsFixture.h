#pragma once

#include "options/UnitOptions.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"
#include "viewer/DDVue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The settings fields and the components of a window, as the options dialog sees them,
// with a count of the grid's rebuilds.
class OptionsFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    OptionsTarget target(bool chinese = false) {
        return {LoadAllFile,    ShowHidden,
                ThumbW,         ThumbBorderColor,
                ThumbBackColor, ThumbSpaceW,
                ThumbSpaceH,    ThumbBorderType,
                BkColor,        list,
                grid,           view,
                ThumbnailMode,  [this] { ++refreshCount; },
                chinese};
    }

    // A dialog as it is when shown: created and filled.
    void openDialog(bool chinese = false) {
        dialog = std::make_unique<TFrmOptions>(target(chinese));
        dialog->FillControls();
    }

    void makeFile(const QString& name) {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    bool LoadAllFile = false;
    bool ShowHidden = true;
    qint32 ThumbW = 80;
    quint32 ThumbBorderColor = 0;
    quint32 ThumbBackColor = 0xFFFFFF;
    qint32 ThumbSpaceW = 12;
    qint32 ThumbSpaceH = 12;
    quint8 ThumbBorderType = 1;
    quint32 BkColor = 0;
    qint32 ThumbnailMode = 0;
    int refreshCount = 0;

    QTemporaryDir folder;
    ShellList list;
    ThumbGrid grid;
    DDVue view;
    std::unique_ptr<TFrmOptions> dialog;
};
