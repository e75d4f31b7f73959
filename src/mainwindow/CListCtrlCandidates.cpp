#include "mainwindow/CListCtrlCandidates.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

#include "candidates/ProgressChannel.h"
#include "candidates/ui/CDialogSetGroup.h"
#include "mainwindow/MainWindowBusy.h"

namespace ostrel {

CListCtrlCandidates::CListCtrlCandidates(Ostrel3App& app, MessageBoxes& messages, QWidget* parent)
    : ItemListView(app, messages, true, parent), groups_(app.Candidates(), *this) {}

bool CListCtrlCandidates::AskGroupNumber(int& value) {
  CDialogSetGroup dialog(this);
  dialog.SetValue(value);
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.GetValue();
  return true;
}

CListCtrlCandidates::~CListCtrlCandidates() { SaveColumnWidths(); }

void CListCtrlCandidates::Refill() {
  std::vector<Candidate*> candidates = app_.Candidates().GetCandidates();
  QPoint centre = MainWindowBusy::Centre(this);
  ProgressChannel::Size().Open(centre.x(), centre.y(), static_cast<int>(candidates.size()));
  MainWindowBusy::Begin(this, Qt::WaitCursor);
  model_->SetCandidates(candidates, app_.Config().GetCurrentProfile(), IsShown(40), IsShown(50));
  MainWindowBusy::End(this);
  ProgressChannel::Size().Close();
  emit Refilled();
}

void CListCtrlCandidates::Redraw() {
  if (!model_->Redraw(app_.Candidates().GetCandidates(), app_.Config().GetCurrentProfile())) {
    Refill();
  }
}

// Rows are a snapshot of the list; a row the list no longer has is not a
// position.
std::vector<size_t> CListCtrlCandidates::GetSelectedPositions() const {
  std::vector<size_t> positions;
  const size_t count = app_.Candidates().Count();
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    if (static_cast<size_t>(index.row()) < count)
      positions.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(positions.begin(), positions.end());
  return positions;
}

// The Used column sorts by result-set index (key 90).
void CListCtrlCandidates::SortBy(ColumnId id) {
  app_.Candidates().SetSortKey(id == 80 ? 90 : id, true);
  Refill();
}

QString CListCtrlCandidates::AudioWarning() const {
  return "In order to accurately calculate optimal\ncombinations, Ostrel uses the most precise\n"
         "method possible to calculate audio lengths\nfor MP3 files. Enabling this setting may\n"
         "cause the display to take a few seconds to\nrefresh if you have a large number of MP3\n"
         "files in your candidate list.\n\nDo you wish to continue?";
}

void CListCtrlCandidates::RemoveSelected() {
  app_.RemoveCandidatesAt(GetSelectedPositions(), false);
  Refill();
}

void CListCtrlCandidates::contextMenuEvent(QContextMenuEvent* event) {
  std::vector<size_t> selected = GetSelectedPositions();
  if (selected.empty()) return;
  bool allRequired = true;
  bool anyFolder = false;
  for (size_t p : selected) {
    Candidate* c = app_.Candidates().GetAt(p);
    if (c->IsUsed()) {
      messages_.Show("Candidate(s) In Use",
                     "One or more candidates you selected are already in use in a result "
                     "set.\nPlease remove the candidates from your selection, or remove the "
                     "result\nsets which contain them.\n",
                     MessageIcon::None, MessageButtons::Ok, Answer::Ok);
      setFocus();
      return;
    }
    allRequired = allRequired && c->IsRequired();
    anyFolder = anyFolder || c->IsFolder();
  }
  QMenu menu(this);
  connect(menu.addAction("Add to &Group..."), &QAction::triggered, this,
          [this] { groups_.AddToGroup(); });
  connect(menu.addAction("Add to &Next Available Group"), &QAction::triggered, this,
          [this] { groups_.AddToNextAvailableGroup(); });
  connect(menu.addAction("&Remove from Group(s)"), &QAction::triggered, this,
          [this] { groups_.RemoveFromGroups(); });
  QAction* require = menu.addAction("R&equire in Next Calculation");
  require->setCheckable(true);
  require->setChecked(allRequired);
  connect(require, &QAction::triggered, this, [this] { groups_.ToggleRequired(); });
  QAction* fit = menu.addAction("Expand to Fit &Media Size");
  fit->setEnabled(anyFolder);
  connect(fit, &QAction::triggered, this,
          [this, selected] { emit ExpandSelectionToFitMedia(selected); });
  QAction* all = menu.addAction("Expand &All");
  all->setEnabled(anyFolder);
  connect(all, &QAction::triggered, this, [this, selected] { emit ExpandSelectionAll(selected); });
  connect(menu.addAction("Rem&ove"), &QAction::triggered, this,
          &CListCtrlCandidates::RemoveSelected);
  menu.exec(event->globalPos());
}

void CListCtrlCandidates::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_A && (event->modifiers() & Qt::ControlModifier)) {
    selectAll();
    return;
  }
  if (GetSelectedPositions().empty()) {
    ItemListView::keyPressEvent(event);
    return;
  }
  const int key = event->key();
  if (key == Qt::Key_G && (event->modifiers() & Qt::ControlModifier)) {
    groups_.AddToNextAvailableGroup();
  } else if (key == Qt::Key_Delete) {
    RemoveSelected();
  } else if (key == Qt::Key_Space) {
    groups_.ToggleRequired();
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9 &&
             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    groups_.SetGroupOfSelection(key - Qt::Key_0);
  } else {
    ItemListView::keyPressEvent(event);
  }
}

}  // namespace ostrel
