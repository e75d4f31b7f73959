#pragma once

#include <QDialog>
#include <vector>

#include "search/ComputeUi.h"

class QTreeWidget;

namespace ostrel {

// "Excluding Candidates...": the groups too large for the medium and the
// candidates the filters leave out, each with its reason; Yes goes on.
class CDialogExcludeCandidates : public QDialog {
  Q_OBJECT

 public:
  CDialogExcludeCandidates(const std::vector<ExclusionRow>& rows, QWidget* parent);
  QTreeWidget& Rows() { return *rows_; }

 private:
  QTreeWidget* rows_;
};

}  // namespace ostrel
