#pragma once

#include <QString>

// What came of handing a file to the desktop's associated application.
enum class DesktopOpenResult {
    Opened,
    NoAssociation,     // no application is associated with the file's type
    BrokenAssociation, // the associated application is missing or cannot start
    AccessDenied,      // the file cannot be read
    NotFound,          // there is no such file
};

// Opens the file in the application the desktop associates with its MIME type.
DesktopOpenResult OpenInAssociatedApplication(const QString& filePath);
