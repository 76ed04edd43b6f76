#include "platform/ShellList.h"

#include "platform/ShellItemModel.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QStackedLayout>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kRowsMeasuredForWidths = 256;
constexpr int kMinNameWidth = 160;
constexpr int kMaxNameWidth = 360;

void makeReadOnlyMultiSelect(QAbstractItemView* view) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setDragEnabled(false);
    view->setAcceptDrops(false);
}

// A view that reports each mouse press after handling it, so that whoever is told sees the
// selection the press made (a right press selects the item under it, as in any list).
template <class View> class PressReportingView : public View {
public:
    explicit PressReportingView(QWidget* parent, std::function<void(QMouseEvent*)> report)
        : View(parent), report_(std::move(report)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        View::mousePressEvent(event);
        report_(event);
    }

private:
    std::function<void(QMouseEvent*)> report_;
};

} // namespace

ShellList::ShellList(QWidget* parent)
    : QWidget(parent), model_(new ShellItemModel(this)), fileOps_(this) {
    const auto reportPress = [this](QMouseEvent* event) {
        emit mousePressed(event->button(), mapFromGlobal(event->globalPosition().toPoint()));
    };
    tree_ = new PressReportingView<QTreeView>(this, reportPress);
    tree_->setObjectName(QStringLiteral("reportView"));
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->setModel(model_);
    tree_->header()->setStretchLastSection(false);
    // Column widths follow the texts of the first few hundred rows, not of every row.
    tree_->header()->setResizeContentsPrecision(kRowsMeasuredForWidths);
    makeReadOnlyMultiSelect(tree_);

    list_ = new PressReportingView<QListView>(this, reportPress);
    list_->setObjectName(QStringLiteral("listView"));
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setModel(model_);
    list_->setModelColumn(0);
    makeReadOnlyMultiSelect(list_);

    selection_ = tree_->selectionModel();
    list_->setSelectionModel(selection_);

    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(tree_);
    stack_->addWidget(list_);
    setFocusProxy(tree_);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(tree_), static_cast<QAbstractItemView*>(list_)}) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }
}

ShellList::~ShellList() = default;

bool ShellList::setFolder(const QString& pathOrIdentity) {
    const QString identity = FolderModel::resolve(pathOrIdentity);
    if (identity.isEmpty()) {
        return false;
    }
    folders_.setFolder(identity);
    reload();
    if (model_->rowCount() > 0) {
        selection_->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    emit folderChanged();
    return true;
}

QString ShellList::folderPath() const {
    const QString identity = folders_.folder();
    return identity == FolderModel::kComputerIdentity ? QString() : identity;
}

QString ShellList::folderIdentity() const {
    return folders_.folder();
}

void ShellList::goUp() {
    const QString from = folders_.folder();
    const QString parent = FolderModel::parentOf(from);
    if (parent.isEmpty() || !setFolder(parent)) {
        return;
    }
    const QList<ShellItem>& items = model_->items();
    const auto came = std::find_if(items.begin(), items.end(),
                                   [&](const ShellItem& item) { return item.identity == from; });
    if (came != items.end()) {
        moveToItem(int(came - items.begin()));
    }
}

void ShellList::refresh() {
    const QString identity = folders_.folder();
    if (identity.isEmpty()) {
        return;
    }
    if (FolderModel::resolve(identity).isEmpty()) {
        // The folder has gone: show the nearest folder above it that still exists.
        QString parent = FolderModel::parentOf(identity);
        while (!parent.isEmpty() && !setFolder(parent)) {
            parent = FolderModel::parentOf(parent);
        }
        return;
    }
    const QStringList selected = selectedPaths();
    reload();
    reselect(selected);
}

void ShellList::setFileFilter(const QString& filter) {
    folders_.setFilter(filter);
    refresh();
}

QString ShellList::fileFilter() const {
    return folders_.filter();
}

void ShellList::setOptions(int options) {
    options_ = options;
    folders_.setShowHidden(options & ShowHidden);
    refresh();
}

void ShellList::setViewStyle(ViewStyle style) {
    style_ = style;
    QAbstractItemView* view = activeView();
    const bool hadFocus = stack_->currentWidget() && stack_->currentWidget()->hasFocus();
    stack_->setCurrentWidget(view);
    setFocusProxy(view);
    if (hadFocus) {
        view->setFocus();
    }
}

QAbstractItemView* ShellList::activeView() const {
    return style_ == ViewStyle::Report ? static_cast<QAbstractItemView*>(tree_)
                                       : static_cast<QAbstractItemView*>(list_);
}

int ShellList::itemCount() const {
    return model_->rowCount();
}

ShellItem ShellList::item(int i) const {
    const QList<ShellItem>& items = model_->items();
    return i >= 0 && i < items.size() ? items[i] : ShellItem();
}

QString ShellList::columnCaption(int column) const {
    return ShellItemModel::caption(column);
}

int ShellList::itemAt(const QPoint& pos) const {
    const QAbstractItemView* view = activeView();
    const QModelIndex index = view->indexAt(view->viewport()->mapFrom(this, pos));
    return index.isValid() ? index.row() : -1;
}

QList<int> ShellList::selectedIndexes() const {
    QList<int> rows;
    for (const QModelIndex& index : selection_->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ShellList::firstSelected() const {
    const QList<int> rows = selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first();
}

int ShellList::findByCaption(const QString& caption) const {
    const QList<ShellItem>& items = model_->items();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].displayName.compare(caption, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void ShellList::moveToItem(int i) {
    if (i < 0 || i >= itemCount()) {
        return;
    }
    const QModelIndex index = model_->index(i, 0);
    selection_->setCurrentIndex(index,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    activeView()->scrollTo(index);
}

void ShellList::selectAll() {
    activeView()->selectAll();
}

void ShellList::copySelection() {
    fileOps_.putOnClipboard(operablePaths(), false);
}

void ShellList::cutSelection() {
    fileOps_.putOnClipboard(operablePaths(), true);
}

void ShellList::paste() {
    const QString folder = folderPath();
    if (folder.isEmpty()) {
        return;
    }
    const QStringList created = fileOps_.paste(folder);
    reload();
    reselect(created);
}

void ShellList::trashSelection() {
    removeSelection(&FileOperations::trash);
}

void ShellList::deleteSelection() {
    removeSelection(&FileOperations::remove);
}

void ShellList::removeSelection(void (FileOperations::*removal)(const QStringList&)) {
    const QStringList paths = operablePaths();
    if (!paths.isEmpty()) {
        (fileOps_.*removal)(paths);
        refresh();
    }
}

void ShellList::reload() {
    folders_.reload();
    model_->setItems(folders_.items());
    fitColumns();
}

void ShellList::fitColumns() {
    for (int column = 0; column < ShellItemModel::kColumnCount; ++column) {
        tree_->resizeColumnToContents(column);
    }
    const int nameWidth = tree_->header()->sectionSize(0);
    tree_->header()->resizeSection(0, std::clamp(nameWidth, kMinNameWidth, kMaxNameWidth));
}

QStringList ShellList::selectedPaths() const {
    QStringList paths;
    for (int row : selectedIndexes()) {
        const ShellItem entry = item(row);
        if (entry.inFileSystem && !entry.path.isEmpty()) {
            paths.append(entry.path);
        }
    }
    return paths;
}

QStringList ShellList::operablePaths() const {
    // The virtual root lists places (home, the file-system root, volumes), not files to
    // copy, move or delete.
    return folderPath().isEmpty() ? QStringList() : selectedPaths();
}

void ShellList::reselect(const QStringList& paths) {
    const QList<ShellItem>& items = model_->items();
    QItemSelection selection;
    for (int row = 0; row < items.size(); ++row) {
        if (paths.contains(items[row].path)) {
            selection.select(model_->index(row, 0),
                             model_->index(row, ShellItemModel::kColumnCount - 1));
        }
    }
    selection_->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ShellList::openCurrent() {
    const QList<int> rows = selectedIndexes();
    if (rows.isEmpty()) {
        return;
    }
    const ShellItem first = item(rows.first());
    if (rows.size() == 1 && first.isFolder) {
        if (!setFolder(first.identity)) {
            fileOps_.reportFailure(tr("This folder cannot be opened:"), {first.path});
        }
        return;
    }
    bool handled = false;
    emit openRequested(&handled);
    if (handled) {
        return;
    }
    for (int row : rows) {
        const ShellItem entry = item(row);
        if (entry.inFileSystem && !entry.isFolder) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(entry.path));
        }
    }
}

std::function<void()> ShellList::keyCommand(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrl = modifiers == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Backspace:
        return modifiers == Qt::NoModifier ? std::function<void()>([this] { goUp(); }) : nullptr;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return [this] { openCurrent(); };
    case Qt::Key_F5:
        return [this] { refresh(); };
    case Qt::Key_A:
        return ctrl ? std::function<void()>([this] { selectAll(); }) : nullptr;
    case Qt::Key_C:
        return ctrl ? std::function<void()>([this] { copySelection(); }) : nullptr;
    case Qt::Key_X:
        return ctrl ? std::function<void()>([this] { cutSelection(); }) : nullptr;
    case Qt::Key_V:
        return ctrl ? std::function<void()>([this] { paste(); }) : nullptr;
    case Qt::Key_Delete:
        if (modifiers == Qt::ShiftModifier) {
            return [this] { deleteSelection(); };
        }
        return modifiers == Qt::NoModifier ? std::function<void()>([this] { trashSelection(); })
                                           : nullptr;
    default:
        return nullptr;
    }
}

bool ShellList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(options_ & DefaultKeyHandling)) {
            break;
        }
        const std::function<void()> command = keyCommand(key);
        if (!command) {
            break;
        }
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            command();
        }
        // A claimed shortcut override makes the key arrive here as a key press.
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint pos =
                static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
            if (itemAt(pos) >= 0) {
                openCurrent();
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
