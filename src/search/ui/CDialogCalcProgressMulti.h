#pragma once

#include "search/MultiSearchMonitor.h"
#include "search/ui/CalcProgressDialog.h"

class QLabel;

namespace ostrel {

// The progress window of Compute All, with the result sets found so far:
// "Use Best, Continue" keeps the best and goes on, "Use Best, Stop" keeps
// it and ends, "Cancel" discards the whole run. The last button pressed is
// the request.
class CDialogCalcProgressMulti : public CalcProgressDialog, public MultiSearchMonitor {
  Q_OBJECT

 public:
  explicit CDialogCalcProgressMulti(QWidget* parent);

  void ShowProgress(const SearchProgress& progress) override { Report(progress); }
  bool IsStopRequested() override { return request_ != Request::None; }
  bool IsUseBestRequested() override {
    return request_ == Request::Continue || request_ == Request::Stop;
  }
  bool IsContinueRequested() override { return request_ == Request::Continue; }
  void UpdateSummary(int count, double meanPercent, double meanSeconds) override;
  void ResetRequests() override {
    if (request_ == Request::Continue) request_ = Request::None;
  }

  QString SummaryText(int row) const;

 private:
  enum class Request { None, Continue, Stop, Cancel };

  Request request_ = Request::None;
  QLabel* found_;
  QLabel* meanPercent_;
  QLabel* meanTime_;
  QLabel* calculating_;
};

}  // namespace ostrel
