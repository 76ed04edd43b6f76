#include "platform/DesktopOpen.h"

#include "platform/DesktopLaunch.h"
#include "platform/MimeApps.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

DesktopOpenResult OpenInAssociatedApplication(const QString& filePath) {
    const QFileInfo file(filePath);
    if (!file.exists())
        return DesktopOpenResult::NotFound;
    if (!file.isReadable())
        return DesktopOpenResult::AccessDenied;
    const QMimeType mimeType = QMimeDatabase().mimeTypeForFile(file);
    const auto application = DefaultApplicationFor(DesktopApplications(), mimeType);
    if (!application)
        return DesktopOpenResult::NoAssociation;
    if (!IsInstalled(*application))
        return DesktopOpenResult::BrokenAssociation;
    // The desktop's own opener honours choices made in its settings as well.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        return DesktopOpenResult::BrokenAssociation;
    return DesktopOpenResult::Opened;
}
