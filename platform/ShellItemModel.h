#pragma once

#include "platform/FolderModel.h"

#include <QAbstractTableModel>

// The entries of one folder as a table: Name, Size, Type, Modified.
class ShellItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 4;

    explicit ShellItemModel(QObject* parent = nullptr);

    void setItems(const QList<ShellItem>& items);
    const QList<ShellItem>& items() const { return items_; }
    static QString caption(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<ShellItem> items_;
};
