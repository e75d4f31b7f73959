#pragma once

#include "search/MultiSearchMonitor.h"
#include "search/ui/CalcProgressDialog.h"

class QLabel;

namespace ostrel {

// The progress window of Compute All, with the result sets found so far:
// "Use Best, Continue" keeps the best and goes on, "Use Best, Stop" keeps
// it and ends, "Cancel" discards the whole run.
class CDialogCalcProgressMulti : public CalcProgressDialog, public MultiSearchMonitor {
  Q_OBJECT

 public:
  explicit CDialogCalcProgressMulti(QWidget* parent);

  void ShowProgress(const SearchProgress& progress) override { Report(progress); }
  bool IsStopRequested() override { return stop_; }
  bool IsUseBestRequested() override { return useBest_; }
  bool IsContinueRequested() override { return continue_; }
  void UpdateSummary(int count, double meanPercent, double meanSeconds) override;
  void ResetRequests() override { stop_ = continue_ = useBest_ = false; }

  QString SummaryText(int row) const;

 private:
  void Press(bool continueRun, bool useBest);

  bool stop_ = false;
  bool continue_ = false;
  bool useBest_ = false;
  QLabel* found_;
  QLabel* meanPercent_;
  QLabel* meanTime_;
  QLabel* calculating_;
};

}  // namespace ostrel
