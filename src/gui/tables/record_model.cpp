// The records of the open table as the browser grid shows them.
#include "gui/tables/record_model.h"

#include <QBrush>
#include <QColor>

#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables::gui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

RecordModel::RecordModel(app::Program& p, QObject* parent) : QAbstractTableModel(parent), p_(p) {}

void RecordModel::Reload() {
  beginResetModel();
  const TableState& s = State(p_);
  order_ = s.table ? s.table->Order() : std::vector<int>{};
  columns_ = s.table ? s.table->FieldCount() : 0;
  endResetModel();
}

int RecordModel::RowOf(int record) const {
  for (std::size_t i = 0; i < order_.size(); ++i) {
    if (order_[i] == record) return static_cast<int>(i);
  }
  return -1;
}

int RecordModel::RecordAt(int row) const {
  if (row < 0 || row >= static_cast<int>(order_.size())) return 0;
  return order_[static_cast<std::size_t>(row)];
}

int RecordModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int RecordModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant RecordModel::data(const QModelIndex& index, int role) const {
  const TableState& s = State(p_);
  const int record = RecordAt(index.row());
  if (!s.table || record == 0 || index.column() >= columns_) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return Q(s.table->StoredText(record, index.column() + 1));
  }
  if (role == Qt::ForegroundRole && s.table->StoredDeleted(record)) return QBrush(QColor(Qt::gray));
  if (role == Qt::TextAlignmentRole) {
    const char type = s.table->Field(index.column() + 1).type;
    return QVariant::fromValue(Qt::AlignVCenter |
                               (type == 'N' || type == 'F' ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const TableState& s = State(p_);
  if (role != Qt::DisplayRole || !s.table) return {};
  if (orientation == Qt::Horizontal) {
    return section < columns_ ? Q(s.table->Field(section + 1).name) : QVariant();
  }
  const int record = RecordAt(section);
  if (record == 0) return {};
  // Deleted records carry the dBase mark in front of their number.
  return (s.table->StoredDeleted(record) ? QString("*") : QString()) + QString::number(record);
}

Qt::ItemFlags RecordModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (editable_) f |= Qt::ItemIsEditable;
  return f;
}

bool RecordModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  TableState& s = State(p_);
  const int record = RecordAt(index.row());
  if (role != Qt::EditRole || !s.table || record == 0) return false;
  DbfError e = s.table->GoRecord(record);
  if (e == DbfError::None)
    e = s.table->SetFieldText(index.column() + 1, value.toString().toStdString());
  if (e == DbfError::None) e = s.table->Post();
  if (e != DbfError::None) {
    s.table->CancelEdit();
    ShowDbfError(p_, e);
    p_.cancel = false;  // the browser stays open
    return false;
  }
  emit dataChanged(index, index);
  return true;
}

}  // namespace kv40::tables::gui
