#pragma once

#include <functional>

#include "mainwindow/ItemListView.h"

namespace ostrel {

// The candidate list: one row per candidate in list order, measured at
// every refill under the size-progress window, the name coloured by
// whether the next calculation can use the candidate and by its group.
class CListCtrlCandidates : public ItemListView {
  Q_OBJECT

 public:
  CListCtrlCandidates(Ostrel3App& app, MessageBoxes& messages, QWidget* parent);
  ~CListCtrlCandidates() override;

  void Refill() override;
  std::vector<size_t> GetSelectedPositions() const;

 signals:
  // After every refill, for the main view's candidate buttons.
  void Refilled();

 protected:
  void SortBy(ColumnId id) override;
  QString AudioWarning() const override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RemoveSelected();
};

}  // namespace ostrel
