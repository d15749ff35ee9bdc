#pragma once
// The station-name grid's rows: the records of the store in table order and, at the end, the
// empty row where a new record is typed. Edits are written to the store at once.

#include <QAbstractTableModel>
#include <memory>

#include "shell/station_store.h"

namespace kovu3 {

class StationTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit StationTableModel(std::unique_ptr<StationStore> store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void SetColumnCaptions(const QString& number, const QString& name);
    bool IsNewRecordRow(int row) const;
    // Deletes the record of a row and reads the table again; returns an error, empty on success.
    QString DeleteRow(int row);
    // Reads the table again; returns an error, empty on success.
    QString Reload();
    bool usable() const { return store_ != nullptr; }

  signals:
    void problem(const QString& message);

  private:
    std::unique_ptr<StationStore> store_;
    std::vector<StationRecord> records_;
    QString captions_[2];
};

}  // namespace kovu3
