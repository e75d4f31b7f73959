#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/MessageBoxes.h"
#include "candidates/CandidateList.h"
#include "config/AppConfig.h"
#include "search/ResultSetList.h"

namespace ostrel {

// The root of the program's state, Qt-free: the configuration, the live
// candidate list of the current profile, the result sets and the group
// colours. Construction reads the configuration, counts the start, sends
// the statistics when they are due and loads the current profile's
// candidates; destruction puts the candidates back into the profile and
// writes the configuration. Nothing is saved at any other time.
class Ostrel3App {
 public:
  explicit Ostrel3App(const std::string& configPath);
  ~Ostrel3App();
  Ostrel3App(const Ostrel3App&) = delete;
  Ostrel3App& operator=(const Ostrel3App&) = delete;

  AppConfig& Config() { return *config_; }
  CandidateList& Candidates() { return candidates_; }
  ResultSetList& ResultSets() { return resultSets_; }

  // Removes result set k (an index outside the list does nothing): its
  // candidates become unused and the later sets' candidates move down one
  // index; with removeCandidates they leave the list too.
  void RemoveResultSetAt(int k, bool removeCandidates, bool deleteFiles,
                         MessageBoxes* messages = nullptr);
  // Removes the candidates at those positions that no result set uses;
  // with deleteFiles their files and folders are deleted from disk, and a
  // failure is told through messages while the removal goes on.
  void RemoveCandidatesAt(const std::vector<size_t>& positions, bool deleteFiles,
                          MessageBoxes* messages = nullptr);

  // 24-bit colours, red in the low byte, green in the middle, blue high.
  using Colour = uint32_t;
  static constexpr Colour kWhite = 0xFFFFFF;
  static const std::array<Colour, 27>& GroupColours();
  // The background of a candidate of that group: white for group 0.
  static Colour GroupColour(int group);

 private:
  std::unique_ptr<AppConfig> config_;
  CandidateList candidates_;
  ResultSetList resultSets_;
};

}  // namespace ostrel
