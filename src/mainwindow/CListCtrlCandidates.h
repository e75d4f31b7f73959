#pragma once

#include <functional>

#include "candidates/CandidateListUi.h"
#include "candidates/GroupCommands.h"
#include "mainwindow/ItemListView.h"

namespace ostrel {

// The candidate list: one row per candidate in list order, measured at
// every refill under the size-progress window, the name coloured by
// whether the next calculation can use the candidate and by its group.
class CListCtrlCandidates : public ItemListView, public CandidateListUi {
  Q_OBJECT

 public:
  CListCtrlCandidates(Ostrel3App& app, MessageBoxes& messages, QWidget* parent);
  ~CListCtrlCandidates() override;

  void Refill() override;
  // New flags and colours for the rows, measuring nothing; a refill when
  // the rows do not hold what the colours need.
  void Redraw();
  std::vector<size_t> GetSelectedPositions() const;

  // CandidateListUi
  MessageBoxes& Messages() override { return messages_; }
  std::vector<size_t> SelectedPositions() override { return GetSelectedPositions(); }
  void FocusList() override { setFocus(); }
  bool AskGroupNumber(int& value) override;
  GroupCommands& Groups() { return groups_; }

 signals:
  // After every refill, for the main view's candidate buttons.
  void Refilled();
  // The context menu's expansions of the selected rows.
  void ExpandSelectionToFitMedia(const std::vector<size_t>& positions);
  void ExpandSelectionAll(const std::vector<size_t>& positions);

 protected:
  void SortBy(ColumnId id) override;
  QString AudioWarning() const override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RemoveSelected();

  GroupCommands groups_;
};

}  // namespace ostrel
