#include "cli/TerminalUi.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "app/Formatting.h"

namespace ostrel {

namespace {

std::atomic<int> interrupts{0};

// The first Ctrl+C asks the search for its best so far; a second one,
// before the program is done with that, cancels everything.
void CountInterrupt(int) {
  if (interrupts.fetch_add(1, std::memory_order_relaxed) > 0) _exit(130);
}

}  // namespace

TerminalUi::TerminalUi(bool quiet) : quiet_(quiet), interactive_(isatty(STDERR_FILENO) != 0) {}

TerminalUi::~TerminalUi() = default;

Answer TerminalUi::Show(const std::string& title, const std::string& text, MessageIcon,
                        MessageButtons, Answer defaultAnswer) {
  messages_.push_back({title, text});
  return defaultAnswer;
}

bool TerminalUi::ConfirmExclusions(const std::vector<ExclusionRow>& rows) {
  exclusions_.insert(exclusions_.end(), rows.begin(), rows.end());
  if (!quiet_) {
    std::printf("The following candidates/groups will be excluded from this calculation:\n");
    for (const ExclusionRow& row : rows) {
      std::printf("  %s\t%s\n", row.candidate.c_str(), row.reason.c_str());
    }
    std::printf("\n");
  }
  return true;
}

void TerminalUi::StartSearching() {
  interrupts.store(0);
  struct sigaction action {};
  action.sa_handler = CountInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous_);
  std::fprintf(stderr, "Searching; press Ctrl+C to use the best combination so far.\n");
  std::fflush(stderr);
}

void TerminalUi::StopSearching() {
  sigaction(SIGINT, &previous_, nullptr);
  if (progressLine_) std::fprintf(stderr, "\n");
  progressLine_ = false;
}

SearchMonitor& TerminalUi::OpenSingleProgress() {
  StartSearching();
  return *this;
}

void TerminalUi::CloseSingleProgress() { StopSearching(); }

MultiSearchMonitor& TerminalUi::OpenMultiProgress() {
  StartSearching();
  return *this;
}

void TerminalUi::CloseMultiProgress() { StopSearching(); }

void TerminalUi::ShowProgress(const SearchProgress& p) {
  if (!interactive_) return;
  std::string best = p.audio ? FormatDuration(p.bestSeconds) : FormatGroupedInteger(p.bestBytes);
  std::string upper = p.audio ? FormatDuration(p.upperSeconds) : FormatGroupedInteger(p.upperBytes);
  double percent =
      p.audio ? p.bestSeconds / p.upperSeconds * 100.0
              : static_cast<double>(p.bestBytes) * 100.0 / static_cast<double>(p.upperBytes);
  std::fprintf(stderr, "\rBest found: %s of %s (%s%%)  Time Elapsed: %s seconds  Tried: %s\033[K",
               best.c_str(), upper.c_str(), FormatTrimmedDecimal(percent, 10, true).c_str(),
               FormatTrimmedDecimal(p.elapsedSeconds, 3, true).c_str(),
               FormatGroupedInteger(p.steps).c_str());
  std::fflush(stderr);
  progressLine_ = true;
}

bool TerminalUi::IsStopRequested() { return interrupts.load(std::memory_order_relaxed) > 0; }

bool TerminalUi::IsUseBestRequested() { return true; }

void TerminalUi::UpdateSummary(int count, double, double) {
  if (interactive_ && count > 0) {
    if (progressLine_) std::fprintf(stderr, "\n");
    std::fprintf(stderr, "Calculating combination #%d...\n", count + 1);
    progressLine_ = false;
  }
}

void TerminalUi::ResetRequests() { interrupts.store(0); }

}  // namespace ostrel
