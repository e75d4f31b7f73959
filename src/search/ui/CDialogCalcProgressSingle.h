#pragma once

#include "search/SearchMonitor.h"
#include "search/ui/CalcProgressDialog.h"

namespace ostrel {

// The progress window of Compute One and Compute Next: "Use Best So Far"
// stops and keeps the best combination, "Cancel" stops and keeps nothing.
class CDialogCalcProgressSingle : public CalcProgressDialog, public SearchMonitor {
  Q_OBJECT

 public:
  explicit CDialogCalcProgressSingle(QWidget* parent);

  void ShowProgress(const SearchProgress& progress) override { Report(progress); }
  bool IsStopRequested() override { return stop_; }
  bool IsUseBestRequested() override { return useBest_; }
  bool IsContinueRequested() override { return false; }

 private:
  bool stop_ = false;
  bool useBest_ = false;
};

}  // namespace ostrel
