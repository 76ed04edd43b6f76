#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The desktop's calls behind the links to documents and addresses.
struct LinkLauncher {
    // Hands a document or address to the application the desktop opens it with; false when
    // there is none or it cannot start.
    std::function<bool(const QString& target)> openOnDesktop;
    // Lets the user choose an application for the document in a modal dialog owned by Owner.
    std::function<void(QWidget* owner, const QString& target)> chooseApplication;
    // Starts a program with its arguments and does not wait for it.
    std::function<void(const QString& program, const QStringList& arguments)> startProgram;
};

// The desktop's own calls.
LinkLauncher DesktopLinkLauncher();

// The calls the main window's links go through: the desktop's, unless replaced (tests put
// doubles there).
const LinkLauncher& CurrentLinkLauncher();
void setLinkLauncher(LinkLauncher launcher);

// Hands Target to the desktop. A target that is blank once trimmed does nothing. When the
// desktop cannot open it, a target ending in ".htm" (any letter case) lets the user choose
// an application for it; anything else ends silently.
void OpenLink(QWidget* owner, const QString& Target, const LinkLauncher& launcher);
