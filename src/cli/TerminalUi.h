#pragma once

#include <csignal>
#include <string>
#include <vector>

#include "search/ComputeUi.h"

namespace ostrel {

// The compute commands' user interface on a terminal: exclusions are listed
// and accepted, messages are collected for the end, progress goes to
// standard error when that is a terminal. While a search runs, the first
// Ctrl+C keeps the best combination so far (and ends Compute All), a second
// one cancels the program; at any other time Ctrl+C ends it as usual.
class TerminalUi : public ComputeUi, public MessageBoxes, public MultiSearchMonitor {
 public:
  explicit TerminalUi(bool quiet);
  ~TerminalUi() override;

  struct Message {
    std::string caption;
    std::string text;
  };
  const std::vector<Message>& GetMessages() const { return messages_; }
  const std::vector<ExclusionRow>& GetExclusions() const { return exclusions_; }

  MessageBoxes& Messages() override { return *this; }
  Answer Show(const std::string& title, const std::string& text, MessageIcon icon,
              MessageButtons buttons, Answer defaultAnswer) override;
  bool ConfirmExclusions(const std::vector<ExclusionRow>& rows) override;
  void BeginMeasuring(int) override {}
  void EndMeasuring() override {}
  SearchMonitor& OpenSingleProgress() override;
  void CloseSingleProgress() override;
  MultiSearchMonitor& OpenMultiProgress() override;
  void CloseMultiProgress() override;
  void ShowResultSets(int) override {}
  void ClearResultSetView() override {}
  void RedrawCandidates() override {}

  void ShowProgress(const SearchProgress& progress) override;
  bool IsStopRequested() override;
  bool IsUseBestRequested() override;
  bool IsContinueRequested() override { return false; }
  void UpdateSummary(int count, double meanPercent, double meanSeconds) override;
  void ResetRequests() override;

 private:
  void StartSearching();
  void StopSearching();

  bool quiet_;
  bool progressLine_ = false;
  bool interactive_;
  std::vector<Message> messages_;
  std::vector<ExclusionRow> exclusions_;
  struct sigaction previous_ {};
};

}  // namespace ostrel
