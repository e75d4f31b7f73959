#include "mainwindow/ItemTableModel.h"

#include <QApplication>
#include <QFile>
#include <QStyle>

#include "app/Formatting.h"
#include "app/Ostrel3App.h"
#include "candidates/ProgressChannel.h"
#include "search/ResultSet.h"

namespace ostrel {

namespace {

QString Decode(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

template <typename Item>
ItemTableModel::Row RowOf(Item& item, bool measureSize, bool measureLength) {
  ItemTableModel::Row row;
  row.name = item.GetName();
  row.path = item.GetPath();
  row.relativePath = item.GetRelativePath();
  if (measureSize) row.size = static_cast<qint64>(item.GetSize());
  if (measureLength) row.audioLength = item.GetAudioLength();
  row.sized = measureSize;
  row.timed = measureLength;
  row.group = item.GetGroup();
  row.file = item.IsFile();
  return row;
}

// Grey for a used candidate; dark red for one the next calculation cannot
// use (too large for the medium, or left out by a filter). The row holds
// the measurement of the mode.
QColor TextColour(Candidate& c, const ItemTableModel::Row& row, const ConfigProfile& p) {
  if (c.IsUsed()) return QColor(96, 96, 96);
  const CalcSettings& calc = p.Calc();
  const CandidateOptions& o = p.Options();
  bool unusable =
      (calc.GetCalcType() == CalcType::Data && row.size > calc.GetMediaSize()) ||
      (calc.GetCalcType() == CalcType::Audio && row.audioLength > calc.GetAudioSeconds()) ||
      (o.GetUseTimestamp() && !c.PassesTimestamp(o.GetTimestamp())) ||
      (o.GetUseArchiveFlag() && !c.HasArchiveFlag());
  return unusable ? QColor(160, 64, 64) : QColor(Qt::black);
}

}  // namespace

ItemTableModel::ItemTableModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent),
      columns_(columnCount),
      fileIcon_(QApplication::style()->standardIcon(QStyle::SP_FileIcon)),
      folderIcon_(QApplication::style()->standardIcon(QStyle::SP_DirIcon)) {}

void ItemTableModel::SetCandidates(const std::vector<Candidate*>& candidates,
                                   const ConfigProfile& profile, bool measureSize,
                                   bool measureLength) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(candidates.size());
  const bool audio = profile.Calc().GetCalcType() == CalcType::Audio;
  for (Candidate* c : candidates) {
    Row row = RowOf(*c, measureSize || !audio, measureLength || audio);
    TakeState(row, *c, profile);
    rows_.push_back(std::move(row));
    ProgressChannel::Size().Step();
  }
  endResetModel();
}

bool ItemTableModel::Redraw(const std::vector<Candidate*>& candidates,
                            const ConfigProfile& profile) {
  if (candidates.size() != rows_.size()) return false;
  const bool audio = profile.Calc().GetCalcType() == CalcType::Audio;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].path != candidates[i]->GetPath() || rows_[i].name != candidates[i]->GetName() ||
        !(audio ? rows_[i].timed : rows_[i].sized)) {
      return false;
    }
  }
  for (size_t i = 0; i < rows_.size(); ++i) TakeState(rows_[i], *candidates[i], profile);
  if (!rows_.empty()) {
    emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, columns_ - 1));
  }
  return true;
}

// What a candidate's row shows besides its name and measurements.
void ItemTableModel::TakeState(Row& row, Candidate& c, const ConfigProfile& profile) {
  row.group = c.GetGroup();
  row.required = c.IsRequired();
  row.resultSet = c.IsUsed() ? c.GetResultSet() : -1;
  row.text = TextColour(c, row, profile);
}

void ItemTableModel::SetResultSet(const ResultSet* resultSet, bool measureSize,
                                  bool measureLength) {
  beginResetModel();
  rows_.clear();
  if (resultSet != nullptr) {
    for (ResultSetItem* item : resultSet->GetItems()) {
      rows_.push_back(RowOf(*item, measureSize, measureLength));
    }
  }
  endResetModel();
}

int ItemTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ItemTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QString ItemTableModel::Title(ColumnId id) {
  switch (id) {
    case 10:
      return "Name";
    case 20:
      return "Path";
    case 30:
      return "Relative Path";
    case 40:
      return "Size";
    case 50:
      return "Audio Length";
    case 60:
      return "Group";
    case 70:
      return "Required";
    default:
      return "Used";
  }
}

int ItemTableModel::DefaultWidth(ColumnId id) {
  switch (id) {
    case 10:
      return 115;
    case 20:
    case 30:
      return 80;
    case 40:
    case 50:
      return 75;
    case 70:
      return 55;
    default:
      return 45;
  }
}

QString ItemTableModel::Text(const Row& row, ColumnId id) const {
  switch (id) {
    case 10:
      return Decode(row.name);
    case 20:
      return Decode(row.path);
    case 30:
      return Decode(row.relativePath);
    case 40:
      return QString::fromStdString(FormatGroupedInteger(row.size));
    case 50:
      return QString::fromStdString(FormatDuration(row.audioLength));
    case 60:
      return row.group > 0 ? QString::number(row.group) : QString();
    case 70:
      return row.required ? "Yes" : "";
    default:
      return row.resultSet >= 0 ? QString("RS #%1").arg(row.resultSet + 1) : QString();
  }
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<size_t>(index.row())];
  const ColumnId id = (index.column() + 1) * 10;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return Text(row, id);
    case Qt::DecorationRole:
      if (id == 10) return row.file ? fileIcon_ : folderIcon_;
      return {};
    case Qt::ForegroundRole:
      return id == 10 ? row.text : QColor(Qt::black);
    case Qt::BackgroundRole: {
      Ostrel3App::Colour c = id == 10 ? Ostrel3App::GroupColour(row.group) : Ostrel3App::kWhite;
      return QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16);
    }
    case Qt::TextAlignmentRole:
      if (id == 40 || id == 50) return int(Qt::AlignRight | Qt::AlignVCenter);
      if (id >= 60) return int(Qt::AlignHCenter | Qt::AlignVCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return Title((section + 1) * 10);
}

}  // namespace ostrel
