// The three ways to the home page: the home-page button, the menu entry and the logo.
#include "app/BitmapButton.h"
#include "app/ClickableLabel.h"
#include "app/LinkLauncher.h"
#include "app/UnitCAD.h"

#include <QAction>

void TFrmCAD::connectHomePageHandlers() {
    connect(BtnHomepage, &QAbstractButton::clicked, this, &TFrmCAD::PM_HomepageClick);
    connect(PM_Homepage, &QAction::triggered, this, &TFrmCAD::PM_HomepageClick);
    connect(asClickable(Image1), &ClickableLabel::clicked, this, &TFrmCAD::Image1Click);
}

void TFrmCAD::OpenLink(const QString& Target) {
    ::OpenLink(this, Target, CurrentLinkLauncher());
}

void TFrmCAD::PM_HomepageClick() {
    OpenLink(HomePageURL);
}

void TFrmCAD::Image1Click() {
    // The logo always starts the web browser, whatever the desktop opens pages with.
    CurrentLinkLauncher().startProgram(QStringLiteral("x-www-browser"), {HomePageURL});
}
