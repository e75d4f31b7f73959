#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QIcon>
#include <vector>

#include "candidates/Candidate.h"
#include "config/AppConfig.h"

namespace ostrel {

class ResultSet;

// The rows of a candidate list or result-set view: a snapshot of the items
// taken at the last refill, measured then, formatted when drawn. Column c
// shows column id (c + 1) * 10.
class ItemTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Row {
    std::string name;  // byte strings; turned into text only when drawn
    std::string path;
    std::string relativePath;
    qint64 size = 0;
    double audioLength = 0.0;
    int group = 0;
    bool required = false;
    int resultSet = -1;  // -1 when not used
    bool file = false;
    bool sized = false;  // whether size / audioLength were measured
    bool timed = false;
    QColor text = Qt::black;
  };

  // Columns 10 to 80 for candidates, 10 to 60 for a result set.
  explicit ItemTableModel(int columnCount, QObject* parent = nullptr);

  // measureSize / measureLength: whether those columns are shown; the
  // colours decide what else is measured.
  void SetCandidates(const std::vector<Candidate*>& candidates, const ConfigProfile& profile,
                     bool measureSize, bool measureLength);
  // The same candidates again, with new flags, groups and colours from the
  // measurements the rows hold; false (nothing changed) when the rows are
  // not those candidates' or lack the measurement the colours need.
  bool Redraw(const std::vector<Candidate*>& candidates, const ConfigProfile& profile);
  void SetResultSet(const ResultSet* resultSet, bool measureSize, bool measureLength);
  const Row& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static QString Title(ColumnId id);
  static int DefaultWidth(ColumnId id);

 private:
  QString Text(const Row& row, ColumnId id) const;
  static void TakeState(Row& row, Candidate& c, const ConfigProfile& profile);

  int columns_;
  std::vector<Row> rows_;
  QIcon fileIcon_;
  QIcon folderIcon_;
};

}  // namespace ostrel
