#include "drawing/ShellOpenFile.h"
#include "DesktopFixture.h"
#include "UrlRecorder.h"
#include "platform/OpenWithDialog.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs ShellOpenFile and reports the Open-With dialog it showed, if any,
// closing it again.
QStringList dialogShownBy(const QString& file) {
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* dialog = qobject_cast<OpenWithDialog*>(QApplication::activeModalWidget())) {
            for (const DesktopApplication& application : dialog->listedApplications())
                shown << application.name;
            shown.prepend(dialog->windowTitle());
            dialog->reject();
        }
    });
    closer.start(10);
    ShellOpenFile(nullptr, file);
    return shown;
}

TEST(ShellOpenFile, OpensAssociatedFilesAndOffersTheChoiceForOthers) {
    DesktopFixture desktop;
    desktop.addDrawingApplications();
    UrlRecorder opener;

    const QString drawing = desktop.document("plan.dwg");
    EXPECT_EQ(dialogShownBy(drawing), QStringList());
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(drawing)});

    // No association: every application is offered.
    EXPECT_EQ(dialogShownBy(desktop.document("notes.txt")),
              QStringList({"Open With", "Gone", "Viewer"}));
    // A broken association: the one for the type is offered.
    EXPECT_EQ(dialogShownBy(desktop.document("plan.dxf")), QStringList({"Open With", "Gone"}));
    EXPECT_EQ(dialogShownBy(drawing + ".missing"), QStringList());
    EXPECT_EQ(opener.opened.size(), 1);
}

} // namespace
