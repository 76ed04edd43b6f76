#include "platform/ShellCombo.h"

#include "platform/Desktop.h"
#include "platform/FolderModel.h"
#include "platform/ShellList.h"

#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QLineEdit>
#include <QStringListModel>
#include <QStyledItemDelegate>

namespace {

constexpr int kIdentityRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndentPerLevel = 12;

// Indents each entry of the drop-down list by its depth below the root.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() +
                              index.data(kLevelRole).toInt() * kIndentPerLevel);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + index.data(kLevelRole).toInt() * kIndentPerLevel, size.height()};
    }
};

// The folders from just below `top` down to `folder`, both real folder paths ending in "/".
QStringList chainBelow(const QString& top, const QString& folder) {
    QStringList chain;
    for (QString step = folder; step.size() > top.size() && step.startsWith(top);
         step = FolderModel::parentOf(step)) {
        chain.prepend(step);
    }
    return chain;
}

} // namespace

ShellCombo::ShellCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new IndentDelegate(this));
    setIconSize(QSize(16, 16));
    // A folder can also be typed, with its sub-folders offered as completions.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    folderNames_ = new QStringListModel(this);
    auto* completer = new QCompleter(folderNames_, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    lineEdit()->setCompleter(completer);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ShellCombo::offerCompletions);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &ShellCombo::onPathTyped);
    roots_ = FolderModel::computerItems();
    identity_ = FolderModel::resolve(QDir::homePath());
    if (identity_.isEmpty()) {
        identity_ = FolderModel::kComputerIdentity;
    }
    rebuild();
    connect(this, qOverload<int>(&QComboBox::activated), this, &ShellCombo::onActivated);
}

void ShellCombo::showPopup() {
    // Volumes come and go: look again when the user looks, not on every folder change,
    // which keeps navigation away from slow or stale mounts.
    roots_ = FolderModel::computerItems();
    rebuild();
    QComboBox::showPopup();
}

void ShellCombo::setShellList(ShellList* list) {
    if (list_) {
        disconnect(list_, nullptr, this, nullptr);
    }
    list_ = list;
    if (!list_) {
        return;
    }
    connect(list_, &ShellList::folderChanged, this, &ShellCombo::onListFolderChanged);
    if (list_->folderIdentity().isEmpty()) {
        list_->setFolder(identity_);
    } else {
        onListFolderChanged();
    }
}

void ShellCombo::setSelectedPath(const QString& path) {
    const QString identity = FolderModel::resolve(path);
    showFolder(identity.isEmpty() ? FolderModel::kComputerIdentity : identity);
}

QString ShellCombo::selectedPath() const {
    return identity_ == FolderModel::kComputerIdentity ? QString() : identity_;
}

QString ShellCombo::selectedIdentity() const {
    return identity_;
}

void ShellCombo::showFolder(const QString& identity) {
    identity_ = identity;
    if (!list_ || !list_->setFolder(identity)) {
        rebuild();
    }
    emit folderSelected(identity_);
}

void ShellCombo::onActivated(int index) {
    const QString identity = itemData(index, kIdentityRole).toString();
    if (FolderModel::resolve(identity).isEmpty()) {
        rebuild(); // the folder has gone since the list was made
        return;
    }
    showFolder(identity);
}

void ShellCombo::onPathTyped() {
    const QString typed = lineEdit()->text();
    if (typed == shownText()) {
        return; // nothing typed, or an entry already chosen by its name
    }
    const QString identity = FolderModel::resolve(typed);
    if (identity.isEmpty()) {
        QApplication::beep();
        rebuild();
        return;
    }
    showFolder(identity);
}

void ShellCombo::offerCompletions(const QString& typed) {
    const QString folder = FolderModel::resolve(typed.left(typed.lastIndexOf(u'/') + 1));
    if (folder.isEmpty() || folder == FolderModel::kComputerIdentity ||
        folder == completionFolder_) {
        return;
    }
    completionFolder_ = folder;
    QStringList paths;
    const QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        paths.append(folder + name + u'/');
    }
    folderNames_->setStringList(paths);
}

QString ShellCombo::shownText() const {
    return identity_ == FolderModel::kComputerIdentity ? FolderModel::kComputerName : identity_;
}

void ShellCombo::onListFolderChanged() {
    identity_ = list_->folderIdentity();
    rebuild();
}

void ShellCombo::addEntry(const ShellItem& item, int level) {
    addItem(::itemIcon(item), item.displayName);
    setItemData(count() - 1, item.identity, kIdentityRole);
    setItemData(count() - 1, level, kLevelRole);
    setItemData(count() - 1, item.path.isEmpty() ? item.displayName : item.path, Qt::ToolTipRole);
}

void ShellCombo::rebuild() {
    const QSignalBlocker blocker(this);
    clear();
    addEntry(FolderModel::describeFolder(FolderModel::kComputerIdentity), 0);
    const QList<ShellItem>& roots = roots_;
    // The root entry the current folder lies in: the one with the longest matching path.
    qsizetype holder = -1;
    for (qsizetype i = 0; i < roots.size(); ++i) {
        if (identity_.startsWith(roots[i].path) &&
            (holder < 0 || roots[i].path.size() > roots[holder].path.size())) {
            holder = i;
        }
    }
    int current = 0;
    for (qsizetype i = 0; i < roots.size(); ++i) {
        addEntry(roots[i], 1);
        if (roots[i].identity == identity_) {
            current = count() - 1;
        }
        if (i != holder) {
            continue;
        }
        int level = 2;
        for (const QString& step : chainBelow(roots[i].path, identity_)) {
            addEntry(FolderModel::describeFolder(step), level++);
            current = count() - 1;
        }
    }
    setCurrentIndex(current);
    lineEdit()->setText(shownText()); // the whole path, ready to be edited
}
