#pragma once

#include "platform/DesktopEntries.h"

// True when the entry's program can be found (TryExec, else Exec's program).
bool IsInstalled(const DesktopApplication& application);

// The program and arguments that open `filePath` with the application, its
// Exec field codes expanded and quoting undone. Empty when Exec is malformed.
QStringList LaunchCommand(const DesktopApplication& application, const QString& filePath);

// Starts the application on `filePath`, detached; false when it cannot start.
bool LaunchApplication(const DesktopApplication& application, const QString& filePath);
