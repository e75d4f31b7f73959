#pragma once

#include "mainwindow/ItemListView.h"

namespace ostrel {

// The items of the result set chosen in the selector, read-only.
class CListCtrlResultSet : public ItemListView {
  Q_OBJECT

 public:
  CListCtrlResultSet(Ostrel3App& app, MessageBoxes& messages, QWidget* parent);
  ~CListCtrlResultSet() override;

  // Remembers the result set (or none) and refills.
  void ShowResultSet(ResultSet* resultSet);
  void Refill() override;

 protected:
  void SortBy(ColumnId id) override;
  QString AudioWarning() const override;

 private:
  ResultSet* shown_ = nullptr;
};

}  // namespace ostrel
