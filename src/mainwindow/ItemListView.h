#pragma once

#include <QTableView>

#include "app/MessageBoxes.h"
#include "app/Ostrel3App.h"
#include "mainwindow/ItemTableModel.h"

namespace ostrel {

// What the candidate list and the result-set list share: columns by id
// with the widths kept in the configuration (-10 default, -20 hidden, Name
// always shown), the header menu that shows and hides them, and header
// clicks that sort.
class ItemListView : public QTableView {
  Q_OBJECT

 public:
  ItemListView(Ostrel3App& app, MessageBoxes& messages, bool candidates, QWidget* parent);
  ~ItemListView() override;

  void BuildColumns();
  void SaveColumnWidths();
  virtual void Refill() = 0;
  bool IsShown(ColumnId id) const;
  ItemTableModel& Model() { return *model_; }
  void ToggleColumn(ColumnId id);

 protected:
  virtual void SortBy(ColumnId id) = 0;
  virtual QString AudioWarning() const = 0;
  int StoredWidth(ColumnId id) const;
  // The width of a column whose stored width is the default, in this font.
  int DefaultWidth(ColumnId id) const;
  void StoreWidth(ColumnId id, int width);
  void ShowHeaderMenu(const QPoint& at);

  Ostrel3App& app_;
  MessageBoxes& messages_;
  ItemTableModel* model_;

 private:
  const bool candidates_;
  const std::vector<ColumnId>& ids_;
};

}  // namespace ostrel
