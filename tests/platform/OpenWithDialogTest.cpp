#include "platform/OpenWithDialog.h"
#include "DesktopFixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList listedNames(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

class OpenWithDialogTest : public testing::Test {
protected:
    void SetUp() override {
        desktop_.addEntry("viewer.desktop", desktop_.recorderEntry("Viewer", "image/vnd.dwg;"));
        desktop_.addEntry("other.desktop",
                          desktop_.recorderEntry("Other Viewer", "image/vnd.dwg;"));
        desktop_.addEntry("notes.desktop", desktop_.recorderEntry("Notes", "text/plain;"));
        desktop_.addEntry("menuless.desktop",
                          desktop_.recorderEntry("Menuless", "text/plain;", "NoDisplay=true\n"));
    }

    DesktopFixture desktop_;
};

TEST_F(OpenWithDialogTest, ListsTheApplicationsForTheTypeOrAll) {
    OpenWithDialog dialog(desktop_.document("plan.dwg"));
    auto* list = dialog.findChild<QListWidget*>("ApplicationList");
    auto* showAll = dialog.findChild<QCheckBox*>("ShowAllApplications");
    ASSERT_TRUE(list && showAll);
    EXPECT_FALSE(showAll->isChecked());
    EXPECT_EQ(listedNames(list), QStringList({"Other Viewer", "Viewer"}));
    showAll->click();
    EXPECT_EQ(listedNames(list), QStringList({"Notes", "Other Viewer", "Viewer"}));

    auto* filter = dialog.findChild<QLineEdit*>("ApplicationFilter");
    ASSERT_TRUE(filter);
    QTest::keyClicks(filter, "VIEW");
    EXPECT_EQ(listedNames(list), QStringList({"Other Viewer", "Viewer"}));
    QTest::keyClicks(filter, "x");
    EXPECT_EQ(listedNames(list), QStringList());
    EXPECT_FALSE(
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled());
}

TEST_F(OpenWithDialogTest, ShowsAllApplicationsWhenNoneIsForTheType) {
    OpenWithDialog dialog(desktop_.document("archive.zip", "PK\3\4"));
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("ShowAllApplications")->isChecked());
    EXPECT_EQ(listedNames(dialog.findChild<QListWidget*>("ApplicationList")).size(), 3);
}

TEST_F(OpenWithDialogTest, StartsTheChosenApplicationWithTheFile) {
    const QString file = desktop_.document("plan.dwg");
    OpenWithDialog dialog(file);
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>("ApplicationList");
    const QRect viewer = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, viewer.center());
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(desktop_.openedBy("Viewer"), file + "\n");
    EXPECT_FALSE(desktop_.openedBy("Other Viewer", 0));
}

} // namespace
