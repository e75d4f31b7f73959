#pragma once

#include <QDialog>

namespace ostrel {

// "Do you wish to clear the candidate list?" when result sets exist: the
// buttons end it with 10 (result sets and candidates), 20 (unused
// candidates only) or 30 (cancel, the default); closing it gives 0.
class CDialogClearCandidates : public QDialog {
  Q_OBJECT

 public:
  explicit CDialogClearCandidates(QWidget* parent);
};

}  // namespace ostrel
