#include "shell/ui/station_table_model.h"

#include "shell/ui/ui_support.h"

namespace kovu3 {

StationTableModel::StationTableModel(std::unique_ptr<StationStore> store, QObject* parent)
    : QAbstractTableModel(parent), store_(std::move(store)) {}

int StationTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(records_.size()) + (store_ ? 1 : 0);
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

bool StationTableModel::IsNewRecordRow(int row) const {
    return row >= static_cast<int>(records_.size());
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) ||
        IsNewRecordRow(index.row()))
        return {};
    const StationRecord& record = records_[static_cast<size_t>(index.row())];
    return Q(index.column() == 0 ? record.No : record.Ad);
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)
        return IsNewRecordRow(section) ? QStringLiteral("*") : QString();
    return section >= 0 && section < 2 ? captions_[section] : QString();
}

Qt::ItemFlags StationTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return store_ ? flags | Qt::ItemIsEditable : flags;
}

bool StationTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !store_) return false;
    const std::string text = Std(value.toString());
    if (IsNewRecordRow(index.row())) {
        if (text.empty()) return false;  // nothing typed: no record
        StationAdded added = index.column() == 0 ? store_->Add(text, "") : store_->Add("", text);
        if (!added.error.empty()) {
            emit problem(Q(added.error));
            return false;
        }
        beginInsertRows({}, index.row() + 1, index.row() + 1);
        records_.push_back(
            {added.id, index.column() == 0 ? text : "", index.column() == 1 ? text : ""});
        endInsertRows();
        emit headerDataChanged(Qt::Vertical, index.row(), index.row() + 1);
        emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(1));
        return true;
    }
    StationRecord changed = records_[static_cast<size_t>(index.row())];
    (index.column() == 0 ? changed.No : changed.Ad) = text;
    if (std::string error = store_->Change(changed.id, changed.No, changed.Ad); !error.empty()) {
        emit problem(Q(error));
        return false;
    }
    records_[static_cast<size_t>(index.row())] = changed;
    emit dataChanged(index, index);
    return true;
}

void StationTableModel::SetColumnCaptions(const QString& number, const QString& name) {
    captions_[0] = number;
    captions_[1] = name;
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

QString StationTableModel::DeleteRow(int row) {
    if (!store_ || row < 0 || IsNewRecordRow(row)) return {};
    std::string error = store_->Delete(records_[static_cast<size_t>(row)].id);
    QString reloadError = Reload();
    return error.empty() ? reloadError : Q(error);
}

QString StationTableModel::Reload() {
    if (!store_) return {};
    StationList list = store_->List();
    beginResetModel();
    records_ = std::move(list.records);
    endResetModel();
    return Q(list.error);
}

}  // namespace kovu3
