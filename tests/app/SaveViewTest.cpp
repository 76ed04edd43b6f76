#include "DrawingViewerFixture.h"

#include "app/BitmapButton.h"
#include "tests/viewer/JpegHeader.h"

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <functional>

namespace {

// Types the name into the dialog's file name field and presses Save, as a user does.
void typeNameAndSave(QFileDialog& dialog, const QString& name) {
    auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    nameField->setText(name);
    QMetaObject::invokeMethod(&dialog, "accept");
}

class SaveView : public DrawingViewerFixture {
protected:
    void SetUp() override {
        DrawingViewerFixture::SetUp();
        openDrawing();
        view().setBackColor(0x0000FF); // red, so the picture's pixels can be told
    }

    // Chooses the menu entry and answers the save dialog it opens.
    void saveWith(QAction* entry, std::function<void(QFileDialog&)> answer) {
        bool answered = false;
        QTimer::singleShot(0, window.get(), [&] {
            answered = true;
            answer(*window->SaveDialog1);
        });
        entry->trigger();
        ASSERT_TRUE(answered) << "no dialog was shown";
    }

    void saveAs(QAction* entry, const QString& path) {
        saveWith(entry, [&](QFileDialog& dialog) { typeNameAndSave(dialog, path); });
    }

    QSize viewPixels() { return view().size() * view().devicePixelRatio(); }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList savedFiles() const { return QDir(filesFolder()).entryList(QDir::Files); }
};

TEST_F(SaveView, TheJpegIsBaselineColourAtQuality90AndTheViewsSize) {
    const QString path = filesFolder() + "view.jpg";
    saveWith(window->PM_SaveJPG, [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save As"));
        EXPECT_EQ(dialog.nameFilters(), QStringList{"Jpeg(*.jpg)"});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        typeNameAndSave(dialog, path);
    });
    const QByteArray bytes = contents(path);
    const JpegHeader header = ReadJpegHeader(bytes);
    ASSERT_TRUE(header.readable);
    EXPECT_EQ(header.frameMarker, 0xC0);
    EXPECT_EQ(header.components, 3);
    EXPECT_EQ(QSize(header.width, header.height), viewPixels());
    EXPECT_EQ(header.quantisation, StandardQuantisation(90));
    const QImage decoded = QImage::fromData(bytes, "JPG");
    EXPECT_GT(decoded.pixelColor(decoded.width() / 2, decoded.height() / 2).red(), 230);
}

TEST_F(SaveView, TheBmpHasTheViewsSizeAlsoAfterAResize) {
    const QString typed = filesFolder() + "plan view";
    saveAs(window->PM_SaveBMP, typed);
    const QImage first(typed + ".bmp");
    ASSERT_FALSE(first.isNull()) << "the default extension was not added";
    EXPECT_EQ(first.size(), viewPixels());

    window->resize(window->size() + QSize(120, 60));
    QCoreApplication::processEvents();
    const QString second = filesFolder() + "larger.bmp";
    saveAs(window->PM_SaveBMP, second);
    EXPECT_EQ(QImage(second).size(), viewPixels());
    EXPECT_NE(QImage(second).size(), first.size());
}

TEST_F(SaveView, TheLastNameIsOfferedAgainAndCancellingSavesNothing) {
    const QString path = filesFolder() + "first.jpg";
    saveAs(window->PM_SaveJPG, path);
    ASSERT_EQ(savedFiles(), QStringList{"first.jpg"});
    QFile::remove(path);

    QStringList offered;
    saveWith(window->PM_SaveJPG, [&](QFileDialog& dialog) {
        offered = dialog.selectedFiles();
        dialog.reject();
    });
    EXPECT_EQ(offered, QStringList{path});
    EXPECT_TRUE(savedFiles().isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaveView, AFailedWriteIsReportedAndLeavesNoFileBehind) {
    makeFile(filesFolder() + "notes.txt", "not a folder");
    const QString unreachable = filesFolder() + "notes.txt/view.jpg";
    saveAs(window->PM_SaveJPG, unreachable);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].text.contains(unreachable)) << messages[0].text.toStdString();
    EXPECT_EQ(savedFiles(), QStringList{"notes.txt"});
    EXPECT_EQ(contents(filesFolder() + "notes.txt"), QByteArray("not a folder"));
}

TEST_F(SaveView, AReadOnlyTargetKeepsItsContents) {
    const QString target = filesFolder() + "locked.bmp";
    makeFile(target, "old picture");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadUser);
    if (QFile(target).open(QIODevice::WriteOnly | QIODevice::Append))
        GTEST_SKIP() << "this user writes read-only files anyway";
    saveAs(window->PM_SaveBMP, target);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(contents(target), QByteArray("old picture"));
    EXPECT_EQ(savedFiles(), QStringList{"locked.bmp"});
}

TEST_F(SaveView, TheSaveMenuOpensBelowItsButtonAndNeedsADrawing) {
    window->BtnSaveAs->click();
    QMenu& menu = *window->PopupMenuSaveAs;
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), window->BtnSaveAs->mapToGlobal(QPoint(0, window->BtnSaveAs->height())));
    EXPECT_TRUE(window->PM_SaveBMP->isEnabled());
    EXPECT_TRUE(window->PM_SaveJPG->isEnabled());
    menu.hide();

    openAnswer = false;
    window->OpenDrawing(filesFolder() + "broken.dwg");
    window->BtnSaveAs->click();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_FALSE(window->PM_SaveBMP->isEnabled());
    EXPECT_FALSE(window->PM_SaveJPG->isEnabled());
    menu.hide();
}

} // namespace
