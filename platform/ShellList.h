#pragma once

#include "platform/FileOperations.h"
#include "platform/FolderModel.h"

#include <QList>
#include <QPoint>
#include <QWidget>

#include <functional>

class QAbstractItemView;
class QKeyEvent;
class QItemSelectionModel;
class QListView;
class QStackedLayout;
class QTreeView;
class ShellItemModel;

// The list of one folder's entries, in a report style (Name, Size, Type, Modified columns)
// or a list style. Multi-select, read-only. Its keyboard carries navigation and the
// clipboard and delete commands as real file operations.
class ShellList : public QWidget {
    Q_OBJECT
public:
    // The list always fills itself from its folder and re-reads it when the filter or the
    // options change. AutoFill and FilesCanBeFolders are kept for callers that set them:
    // no file of the local file system also acts as a folder, so neither changes anything.
    enum Option { AutoFill = 1, DefaultKeyHandling = 2, FilesCanBeFolders = 4, ShowHidden = 8 };
    enum class ViewStyle { Report, List };

    explicit ShellList(QWidget* parent = nullptr);
    ~ShellList() override;

    // Shows a folder given by path or identity; returns false (and stays) when it leads
    // nowhere. Emits folderChanged() after a successful change.
    bool setFolder(const QString& pathOrIdentity);
    QString folderPath() const; // "" for the virtual root
    QString folderIdentity() const;
    void goUp();
    void refresh();

    void setFileFilter(const QString& filter);
    QString fileFilter() const;
    void setOptions(int options);
    int options() const { return options_; }
    void setViewStyle(ViewStyle style);
    ViewStyle viewStyle() const { return style_; }

    int itemCount() const;
    ShellItem item(int i) const;
    QString columnCaption(int column) const;
    int itemAt(const QPoint& pos) const; // pos in this widget's coordinates; -1 for none
    QList<int> selectedIndexes() const;  // in list order
    int firstSelected() const;           // -1 for none
    int findByCaption(const QString& caption) const;
    void moveToItem(int i); // makes item i current, selected alone and visible
    void selectAll();

    // The file operations the keyboard triggers; the questions they ask go through it.
    FileOperations& fileOperations() { return fileOps_; }

    // The view currently shown (the report tree or the list).
    QAbstractItemView* activeView() const;

    // The keyboard commands, also reachable from menus.
    void copySelection();
    void cutSelection();
    void paste();
    void trashSelection();
    void deleteSelection();

signals:
    void folderChanged();
    // Raised before the default action when the user opens a file or a multi-selection;
    // setting *handled to true suppresses the default action.
    void openRequested(bool* handled);
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    void fitColumns();
    void openCurrent();
    std::function<void()> keyCommand(const QKeyEvent* event);
    QStringList selectedPaths() const;
    QStringList operablePaths() const;
    void removeSelection(void (FileOperations::*removal)(const QStringList&));
    void reselect(const QStringList& paths);

    FolderModel folders_;
    ShellItemModel* model_ = nullptr;
    QItemSelectionModel* selection_ = nullptr;
    QTreeView* tree_ = nullptr;
    QListView* list_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    FileOperations fileOps_;
    int options_ = AutoFill | DefaultKeyHandling | FilesCanBeFolders;
    ViewStyle style_ = ViewStyle::Report;
};
