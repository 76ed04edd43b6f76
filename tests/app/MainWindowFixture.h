#pragma once

#include "app/ErrorReport.h"
#include "app/UnitCAD.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A main window run for real against a temporary program folder: the test writes the
// settings file there, starts the window with its arguments, activates it, closes it and
// reads the file back. Every message box is recorded instead of shown.
class MainWindowFixture : public ::testing::Test {
protected:
    struct Message {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
    };

    void SetUp() override {
        ASSERT_TRUE(appFolder.isValid());
        ASSERT_TRUE(files.isValid());
        setMessageSink([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
            messages.push_back({icon, caption, text});
            if (onMessage)
                onMessage();
        });
    }

    void TearDown() override {
        window.reset();
        setMessageSink({});
    }

    QString iniPath() const { return appFolder.filePath("Tessvane.ini"); }
    // A folder of its own for the files a test browses, ending in "/".
    QString filesFolder() const { return files.path() + u'/'; }

    void writeIni(const QByteArray& text) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray readIni() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void makeFile(const QString& path, const QByteArray& bytes = "x") {
        QDir().mkpath(path.left(path.lastIndexOf(u'/')));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Creates the window (its creation reads the options), shows and activates it (the
    // first activation restores the folder, the view mode and the drawing).
    void start(const QStringList& arguments = {}, bool chinese = true) {
        window =
            std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', arguments, chinese});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_FALSE(window->FirstActivation);
    }

    // Closes and destroys the window, which writes the settings file.
    void stop() {
        window->close();
        window.reset();
    }

    QTemporaryDir appFolder;
    QTemporaryDir files;
    std::unique_ptr<TFrmCAD> window;
    std::vector<Message> messages;
    std::function<void()> onMessage;
};
