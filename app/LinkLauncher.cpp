#include "app/LinkLauncher.h"

#include "platform/DesktopOpen.h"
#include "platform/OpenWithDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#include <algorithm>

namespace {

// Blanks and control characters, which do not make a target.
bool isBlank(QChar c) {
    return c.unicode() <= 0x20 || c.isSpace();
}

QUrl targetUrl(const QString& target) {
    return QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
}

// A local document by its path, anything else as it was given.
QString documentOf(const QString& target) {
    const QUrl url = targetUrl(target);
    return url.isLocalFile() ? url.toLocalFile() : target;
}

bool openOnDesktop(const QString& target) {
    const QUrl url = targetUrl(target);
    if (!url.isValid())
        return false;
    if (url.isLocalFile())
        return OpenInAssociatedApplication(url.toLocalFile()) == DesktopOpenResult::Opened;
    return QDesktopServices::openUrl(url);
}

void chooseApplication(QWidget* owner, const QString& target) {
    OpenWithDialog dialog(documentOf(target), owner);
    dialog.exec();
}

void startProgram(const QString& program, const QStringList& arguments) {
    QProcess::startDetached(program, arguments);
}

LinkLauncher& current() {
    static LinkLauncher launcher = DesktopLinkLauncher();
    return launcher;
}

} // namespace

LinkLauncher DesktopLinkLauncher() {
    return {openOnDesktop, chooseApplication, startProgram};
}

const LinkLauncher& CurrentLinkLauncher() {
    return current();
}

void setLinkLauncher(LinkLauncher launcher) {
    current() = std::move(launcher);
}

void OpenLink(QWidget* owner, const QString& Target, const LinkLauncher& launcher) {
    if (std::all_of(Target.begin(), Target.end(), isBlank))
        return;
    if (launcher.openOnDesktop(Target))
        return;
    // The extension runs from the last "."; a separator after it would make it longer than
    // ".htm", so testing the end is the same.
    if (Target.endsWith(QLatin1StringView(".htm"), Qt::CaseInsensitive))
        launcher.chooseApplication(owner, Target);
}
