#pragma once

#include <string>

#include "actions/ActionSettings.h"
#include "candidates/Candidate.h"
#include "candidates/CandidateOptions.h"
#include "search/CalcSettings.h"

namespace ostrel {

// A named set of everything the user sets up for one kind of job: the
// calculation settings, the candidate options, the action settings and the
// candidate list. While the profile is current its candidates live in the
// application's candidate list; the profile holds them otherwise.
class ConfigProfile {
 public:
  const std::string& GetName() const { return name_; }
  // Refuses a name the configuration file could not read back.
  bool SetName(const std::string& name);
  bool IsSelected() const { return selected_; }
  void SetSelected(bool selected) { selected_ = selected; }

  CalcSettings& Calc() { return calc_; }
  const CalcSettings& Calc() const { return calc_; }
  CandidateOptions& Options() { return options_; }
  const CandidateOptions& Options() const { return options_; }
  ActionSettings& Actions() { return actions_; }
  const ActionSettings& Actions() const { return actions_; }
  bool GetUpdateTimestamp() const { return updateTimestamp_; }
  void SetUpdateTimestamp(bool on) { updateTimestamp_ = on; }
  CandidateVector& Candidates() { return candidates_; }
  const CandidateVector& Candidates() const { return candidates_; }

  // What the dialogs type: parsed with the configuration's helpers first.
  // The media size is a number of the current display unit.
  bool SetMediaSizeText(const std::string& text);
  bool SetAudioLengthText(const std::string& text);
  bool SetPctMinText(const std::string& text);
  bool SetPctMaxText(const std::string& text);
  bool SetTimeLimitText(const std::string& text);
  bool SetDestCounterText(const std::string& text);

 private:
  std::string name_ = "Default";
  bool selected_ = false;
  CalcSettings calc_;
  CandidateOptions options_;
  bool updateTimestamp_ = true;
  ActionSettings actions_;
  CandidateVector candidates_;
};

}  // namespace ostrel
