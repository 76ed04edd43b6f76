#pragma once

#include <QString>

class QWidget;

// Opens the file in the application the desktop associates with its type.
// Where there is none, the association is broken or the file cannot be read,
// an Open-With dialog owned by Owner lets the user pick an application.
// Reports nothing of its own.
void ShellOpenFile(QWidget* Owner, const QString& FilePath);
