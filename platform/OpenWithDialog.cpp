#include "platform/OpenWithDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/DesktopLaunch.h"

namespace {

QIcon applicationIcon(const DesktopApplication& application) {
    if (application.icon.contains(u'/'))
        return QIcon(application.icon);
    return QIcon::fromTheme(application.icon,
                            QIcon::fromTheme(QStringLiteral("application-x-executable")));
}

} // namespace

OpenWithDialog::OpenWithDialog(const QString& filePath, QWidget* parent)
    : QDialog(parent), filePath_(filePath), all_(DesktopApplications()), prompt_(new QLabel(this)),
      filter_(new QLineEdit(this)), list_(new QListWidget(this)),
      showAll_(new QCheckBox(tr("Show all applications"), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this)) {
    const QMimeType mimeType = QMimeDatabase().mimeTypeForFile(filePath);
    forType_ = ApplicationsForMimeType(all_, mimeType);
    setWindowTitle(tr("Open With"));
    prompt_->setText(tr("Choose the application to open \"%1\" (%2):")
                         .arg(QFileInfo(filePath).fileName(), mimeType.comment()));
    prompt_->setWordWrap(true);
    filter_->setObjectName(QStringLiteral("ApplicationFilter"));
    filter_->setPlaceholderText(tr("Search applications"));
    filter_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("ApplicationList"));
    showAll_->setObjectName(QStringLiteral("ShowAllApplications"));
    showAll_->setChecked(forType_.empty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    layout->addWidget(showAll_);
    layout->addWidget(buttons_);
    resize(420, 460);

    connect(showAll_, &QCheckBox::toggled, this, &OpenWithDialog::showApplications);
    connect(filter_, &QLineEdit::textChanged, this, &OpenWithDialog::showApplications);
    connect(list_, &QListWidget::itemDoubleClicked, this, &OpenWithDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { buttons_->button(QDialogButtonBox::Open)->setEnabled(row >= 0); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &OpenWithDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &OpenWithDialog::reject);
    showApplications();
}

void OpenWithDialog::showApplications() {
    // Entries that ask not to be shown in menus still serve the types they name.
    const bool showAll = showAll_->isChecked();
    const QString filter = filter_->text().trimmed();
    listed_.clear();
    for (const DesktopApplication& application : showAll ? all_ : forType_) {
        if (!(showAll && application.noDisplay) &&
            application.name.contains(filter, Qt::CaseInsensitive))
            listed_.push_back(application);
    }
    list_->clear();
    for (const DesktopApplication& application : listed_)
        list_->addItem(new QListWidgetItem(applicationIcon(application), application.name));
    list_->setCurrentRow(listed_.empty() ? -1 : 0);
    buttons_->button(QDialogButtonBox::Open)->setEnabled(!listed_.empty());
}

void OpenWithDialog::accept() {
    const int row = list_->currentRow();
    if (row < 0)
        return;
    if (!LaunchApplication(listed_[std::size_t(row)], filePath_)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1 could not be started.").arg(listed_[std::size_t(row)].name));
        return;
    }
    QDialog::accept();
}
