// The records of the open table as the browser grid shows them: one row per shown record in
// the current order, one column per field; edited cells are written at once.
#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "app/program.h"

namespace kv40::tables::gui {

class RecordModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RecordModel(app::Program& p, QObject* parent = nullptr);

  // Reads the order and fields of the session's table again.
  void Reload();
  void SetEditable(bool editable) { editable_ = editable; }
  // Grid row of a record number (-1 when it is not shown) and the record of a row.
  int RowOf(int record) const;
  int RecordAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  app::Program& p_;
  std::vector<int> order_;
  int columns_ = 0;
  bool editable_ = false;
};

}  // namespace kv40::tables::gui
