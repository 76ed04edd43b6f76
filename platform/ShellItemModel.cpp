#include "platform/ShellItemModel.h"

#include "platform/Desktop.h"

ShellItemModel::ShellItemModel(QObject* parent) : QAbstractTableModel(parent) {}

void ShellItemModel::setItems(const QList<ShellItem>& items) {
    beginResetModel();
    items_ = items;
    endResetModel();
}

QString ShellItemModel::caption(int column) {
    switch (column) {
    case 0:
        return tr("Name");
    case 1:
        return tr("Size");
    case 2:
        return tr("Type");
    case 3:
        return tr("Modified");
    default:
        return QString();
    }
}

int ShellItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size());
}

int ShellItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ShellItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= items_.size()) {
        return {};
    }
    const ShellItem& item = items_[index.row()];
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return column == 0 ? item.displayName : item.detail[column - 1];
    }
    if (role == Qt::DecorationRole && column == 0) {
        return itemIcon(item);
    }
    if (role == Qt::TextAlignmentRole && column == 1) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ShellItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return caption(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ShellItemModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
