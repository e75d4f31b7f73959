#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/ConfigProfile.h"
#include "config/SizePreset.h"
#include "search/RSStats.h"

namespace ostrel {

class ConfigElement;

// A list-view column: 10 Name, 20 Path, 30 Relative Path, 40 Size, 50 Audio
// Length, 60 Group, 70 Required, 80 Used. A width of -10 means the view's
// default width, -20 a hidden column.
using ColumnId = int;
constexpr int kDefaultColumnWidth = -10;
constexpr int kHiddenColumn = -20;

// Everything the program remembers between runs. The constructor reads the
// file and the destructor writes it; nothing else writes the file. A
// damaged file costs only what is damaged: a value that fails its rule
// keeps its default, and a file that does not load at all is copied to
// "<path>.bad" (numbered after the first) at once; one that cannot be
// copied is never overwritten.
class AppConfig {
 public:
  explicit AppConfig(const std::string& path);
  ~AppConfig();
  AppConfig(const AppConfig&) = delete;
  AppConfig& operator=(const AppConfig&) = delete;

  const std::string& GetPath() const { return path_; }
  // What the user should hear about the file read at start (it did not
  // load, and where it was kept); empty when it loaded or was missing.
  std::string LoadProblem() const;
  const std::string& GetClientId() const { return clientId_; }

  bool GetWindowMaximized() const { return windowMaximized_; }
  void SetWindowMaximized(bool maximized) { windowMaximized_ = maximized; }
  int GetWindowPosX() const { return windowPosX_; }
  int GetWindowPosY() const { return windowPosY_; }
  int GetWindowWidth() const { return windowWidth_; }
  int GetWindowHeight() const { return windowHeight_; }
  bool SetWindowPosX(int x);         // refuses < 0
  bool SetWindowPosY(int y);         // refuses < 0
  bool SetWindowWidth(int width);    // refuses < 1
  bool SetWindowHeight(int height);  // refuses < 1

  int GetCandidateColumnWidth(ColumnId id) const;
  int GetResultSetColumnWidth(ColumnId id) const;
  // False unless id is a column of that list and width >= 0, -10 or -20; a
  // width of 0 hides any column but Name.
  bool SetCandidateColumnWidth(ColumnId id, int width);
  bool SetResultSetColumnWidth(ColumnId id, int width);
  static const std::vector<ColumnId>& CandidateColumnIds();
  static const std::vector<ColumnId>& ResultSetColumnIds();

  int GetExecutionCount() const { return executionCount_; }
  int GetPriorExecutionCount() const { return priorExecutionCount_; }
  void IncrementExecutionCount() { ++executionCount_; }
  // After a successful upload: every record made so far counts as sent.
  void MarkStatsSent() { priorExecutionCount_ = executionCount_; }
  bool GetSendStats() const { return sendStats_; }
  void SetSendStats(bool on) { sendStats_ = on; }
  const std::vector<RSStats>& GetRSStats() const { return rsStats_; }
  // The list the compute commands append their records to.
  std::vector<RSStats>& RSStatsRecords() { return rsStats_; }
  void AddRSStats(const ResultSet& resultSet, ExitType exitType);

  // Profiles. A profile is created with all defaults and becomes current;
  // a name the file could not read back is refused.
  bool AddProfile(const std::string& name);
  bool SelectProfile(int index);
  int GetCurrentProfileIndex() const { return currentProfileIndex_; }
  std::vector<std::string> GetProfileNames() const;
  ConfigProfile& GetCurrentProfile() {
    return *profiles_[static_cast<size_t>(currentProfileIndex_)];
  }
  const ConfigProfile& GetCurrentProfile() const {
    return *profiles_[static_cast<size_t>(currentProfileIndex_)];
  }
  // The live list's candidates become the current profile's again.
  void StoreCurrentCandidates(CandidateVector candidates);
  // Hands the current profile's candidates over to the live list.
  CandidateVector GetCurrentCandidates();

  // Presets, shared by every profile.
  const std::vector<SizePreset>& GetPresets() const { return presets_; }
  // False for a preset without a name.
  bool AddPreset(const SizePreset& preset);
  // Copies the preset's size, unit and length into the current profile.
  bool ApplyPreset(int index);
  static std::vector<SizePreset> BuiltInPresets();
  // The presets of a configuration file as the program would read them,
  // without keeping, generating or writing anything (the built-in ones when
  // the file gives none): for readers such as the command line.
  static std::vector<SizePreset> ReadPresets(const std::string& path);

 private:
  void LoadFile();
  void SaveFile();
  void ReadColumnWidth(const ConfigElement& e, bool candidates);
  void ReadExecutionCount(const ConfigElement& e);
  void ReadPreset(const ConfigElement& e);
  void ReadProfile(const ConfigElement& e);
  void ReadRSStats(const ConfigElement& e);

  void KeepDamagedFile();

  std::string path_;
  std::string damagedCopy_;
  bool damagedNotKept_ = false;
  std::string clientId_;
  std::vector<SizePreset> presets_;
  std::vector<std::unique_ptr<ConfigProfile>> profiles_;
  bool windowMaximized_ = false;
  int windowPosX_ = 10;
  int windowPosY_ = 10;
  int windowWidth_ = 700;
  int windowHeight_ = 550;
  std::map<ColumnId, int> candidateColumnWidths_;
  std::map<ColumnId, int> resultSetColumnWidths_;
  int currentProfileIndex_ = 0;
  int executionCount_ = 0;
  int priorExecutionCount_ = 0;
  bool sendStats_ = true;
  std::vector<RSStats> rsStats_;
};

}  // namespace ostrel
