#include "mainwindow/CListCtrlResultSet.h"

namespace ostrel {

CListCtrlResultSet::CListCtrlResultSet(Ostrel3App& app, MessageBoxes& messages, QWidget* parent)
    : ItemListView(app, messages, false, parent) {}

CListCtrlResultSet::~CListCtrlResultSet() { SaveColumnWidths(); }

void CListCtrlResultSet::ShowResultSet(ResultSet* resultSet) {
  shown_ = resultSet;
  Refill();
}

void CListCtrlResultSet::Refill() { model_->SetResultSet(shown_, IsShown(40), IsShown(50)); }

// Path sorts by full path (20); the later columns skip the relative path
// key the candidate list uses for 30.
void CListCtrlResultSet::SortBy(ColumnId id) {
  if (shown_ == nullptr) return;
  static const int kKeys[] = {10, 20, 40, 50, 60, 70};
  shown_->SetSortKey(kKeys[id / 10 - 1], true);
  Refill();
}

QString CListCtrlResultSet::AudioWarning() const {
  return "In order to accurately calculate optimal\ncombinations, Ostrel uses the most precise\n"
         "method possible to calculate audio lengths\nfor MP3 files. Enabling this column may\n"
         "cause the display to take a few seconds to\nrefresh if you have a large number of MP3\n"
         "files in your result set.\n\nDo you wish to continue?";
}

}  // namespace ostrel
