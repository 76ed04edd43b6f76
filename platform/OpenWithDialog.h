#pragma once

#include "platform/DesktopEntries.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Lets the user pick an application for a file the desktop cannot open by
// itself: the applications for the file's MIME type, or all of them, narrowed
// by a search text, and starts the chosen one with the file.
class OpenWithDialog : public QDialog {
    Q_OBJECT

public:
    explicit OpenWithDialog(const QString& filePath, QWidget* parent = nullptr);

    // The entries listed at present, in list order.
    const std::vector<DesktopApplication>& listedApplications() const { return listed_; }

    void accept() override;

private:
    void showApplications();

    QString filePath_;
    std::vector<DesktopApplication> all_;
    std::vector<DesktopApplication> forType_;
    std::vector<DesktopApplication> listed_;
    QLabel* prompt_;
    QLineEdit* filter_;
    QListWidget* list_;
    QCheckBox* showAll_;
    QDialogButtonBox* buttons_;
};
