#pragma once

#include "platform/FolderModel.h"

#include <QComboBox>
#include <QList>
#include <QPointer>

class QStringListModel;
class ShellList;

// A folder chooser: the virtual root "Computer" with its entries, and the current folder's
// chain of parent folders under the entry it lies in; a path may also be typed. Bound to a
// ShellList both ways.
class ShellCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ShellCombo(QWidget* parent = nullptr);

    void setShellList(ShellList* list);
    ShellList* shellList() const { return list_; }

    // Shows a folder (and the bound list follows); a path that leads nowhere shows the
    // virtual root instead.
    void setSelectedPath(const QString& path);
    QString selectedPath() const; // "" for a virtual folder
    QString selectedIdentity() const;

    void showPopup() override;

signals:
    void folderSelected(const QString& identity);

private:
    void showFolder(const QString& identity);
    void rebuild();
    void onActivated(int index);
    void onListFolderChanged();
    void onPathTyped();
    void offerCompletions(const QString& typed);
    QString shownText() const;
    void addEntry(const ShellItem& item, int level);

    QPointer<ShellList> list_;
    QString identity_;
    QList<ShellItem> roots_; // the virtual root's entries, as last looked up
    QStringListModel* folderNames_ = nullptr;
    QString completionFolder_;
};
