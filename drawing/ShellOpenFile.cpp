#include "drawing/ShellOpenFile.h"

#include "platform/DesktopOpen.h"
#include "platform/OpenWithDialog.h"

void ShellOpenFile(QWidget* Owner, const QString& FilePath) {
    switch (OpenInAssociatedApplication(FilePath)) {
    case DesktopOpenResult::NoAssociation:
    case DesktopOpenResult::BrokenAssociation:
    case DesktopOpenResult::AccessDenied: {
        OpenWithDialog dialog(FilePath, Owner);
        dialog.exec();
        break;
    }
    case DesktopOpenResult::Opened:
    case DesktopOpenResult::NotFound:
        break;
    }
}
