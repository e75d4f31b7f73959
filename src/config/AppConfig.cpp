#include "config/AppConfig.h"

#include <cerrno>
#include <optional>

#include "app/UsageStats.h"
#include "config/ConfigDocument.h"
#include "config/ConfigValues.h"
#include "platform/FileSystem.h"

namespace ostrel {

namespace {

const std::map<ColumnId, int> kCandidateColumnDefaults = {
    {10, -10}, {20, -20}, {30, -20}, {40, -10}, {50, -20}, {60, -10}, {70, -10}, {80, -20}};
const std::map<ColumnId, int> kResultSetColumnDefaults = {{10, -10}, {20, -20}, {30, -20},
                                                          {40, -10}, {50, -20}, {60, -10}};

bool SetWidth(std::map<ColumnId, int>& widths, ColumnId id, int width) {
  auto it = widths.find(id);
  if (it == widths.end() || (width < 0 && width != kDefaultColumnWidth && width != kHiddenColumn)) {
    return false;
  }
  it->second = (width == 0 && id != 10) ? kHiddenColumn : width;
  return true;
}

int GetWidth(const std::map<ColumnId, int>& widths, ColumnId id) {
  auto it = widths.find(id);
  return it == widths.end() ? kHiddenColumn : it->second;
}

const std::string* FirstAttribute(const ConfigElement& e, const std::string& name) {
  for (const ConfigAttribute& a : e.GetAttributes()) {
    if (a.GetName() == name) return &a.GetValue();
  }
  return nullptr;
}

bool Bool(const ConfigElement& e) {
  bool v = false;
  ParseBoolValue(e.GetValue(), v);
  return v;
}

// Calls set with the parsed value when the helper accepts the text.
template <typename Set>
void Int(const ConfigElement& e, Set set) {
  int32_t v = 0;
  if (ParseIntValue(e.GetValue(), v)) set(v);
}

template <typename Set>
void Int64(const ConfigElement& e, Set set) {
  int64_t v = 0;
  if (ParseInt64Value(e.GetValue(), v)) set(v);
}

template <typename Set>
void Double(const ConfigElement& e, Set set) {
  double v = 0;
  if (ParseDoubleValue(e.GetValue(), v)) set(v);
}

std::unique_ptr<Candidate> ReadCandidate(const ConfigElement& e) {
  auto c = std::make_unique<Candidate>();
  for (const auto& child : e.GetChildren()) {
    const std::string& key = child->GetName();
    if (key == "FullName") {
      c->SetFullName(child->GetValue());
    } else if (key == "OriginalPath") {
      c->SetOriginalPath(child->GetValue());
    } else if (key == "Required") {
      c->SetRequired(Bool(*child));
    } else if (key == "GroupNum") {
      Int(*child, [&](int32_t v) { c->SetGroup(v); });
    } else if (key == "Used") {
      c->SetUsed(Bool(*child));
    }
  }
  return c->Exists() ? std::move(c) : nullptr;
}

void ReadProfileKey(ConfigProfile& p, const ConfigElement& e) {
  const std::string& key = e.GetName();
  CalcSettings& calc = p.Calc();
  CandidateOptions& options = p.Options();
  ActionSettings& actions = p.Actions();
  if (key == "CalcType") {
    Int(e, [&](int32_t v) { calc.SetCalcType(v); });
  } else if (key == "MediaSize") {
    Int64(e, [&](int64_t v) { calc.SetMediaSize(v); });
  } else if (key == "MediaSizeType") {
    Int(e, [&](int32_t v) { calc.SetMediaSizeType(v); });
  } else if (key == "AudioLength") {
    Double(e, [&](double v) { calc.SetAudioLength(v); });
  } else if (key == "UsePcts") {
    calc.SetUsePcts(Bool(e));
  } else if (key == "PctMin") {
    Double(e, [&](double v) { calc.SetPctMin(v); });
  } else if (key == "PctMax") {
    Double(e, [&](double v) { calc.SetPctMax(v); });
  } else if (key == "UseTimeLimit") {
    calc.SetUseTimeLimit(Bool(e));
  } else if (key == "TimeLimit") {
    Double(e, [&](double v) { calc.SetTimeLimit(v); });
  } else if (key == "Candidate") {
    if (auto c = ReadCandidate(e)) p.Candidates().push_back(std::move(c));
  } else if (key == "AutoExpandLarge") {
    options.SetAutoExpandLarge(Bool(e));
  } else if (key == "AutoExpandAll") {
    options.SetAutoExpandAll(Bool(e));
  } else if (key == "UseTimestamp") {
    options.SetUseTimestamp(Bool(e));
  } else if (key == "Timestamp") {
    Int64(e,
          [&](int64_t v) { options.SetTimestamp(static_cast<int32_t>(static_cast<uint32_t>(v))); });
  } else if (key == "UpdateTimestamp") {
    p.SetUpdateTimestamp(Bool(e));
  } else if (key == "UseArchiveFlag") {
    options.SetUseArchiveFlag(Bool(e));
  } else if (key == "DestPath") {
    actions.SetDestPath(e.GetValue());
  } else if (key == "DestCounter") {
    Int(e, [&](int32_t v) { actions.SetDestCounter(v); });
  } else if (key == "ReportFilename") {
    actions.SetReportFilename(e.GetValue());
  } else if (key == "AppendReport") {
    actions.SetAppendReport(Bool(e));
  } else if (key == "PathRetainType") {
    Int(e, [&](int32_t v) { actions.SetPathRetainType(v); });
  } else if (key == "RemoveCandidates") {
    actions.SetRemoveCandidates(Bool(e));
  } else if (key == "RemoveResultSet") {
    actions.SetRemoveResultSet(Bool(e));
  } else if (key == "DeleteAfterBurn") {
    actions.SetDeleteAfterBurn(Bool(e));
  }
}

void WriteProfile(ConfigElement& parent, const ConfigProfile& p, bool current) {
  auto& e = parent.AddChild("ConfigProfile");
  e.AddAttribute(ConfigAttribute("name", p.GetName()));
  e.AddAttribute(ConfigAttribute("selected", FormatBoolValue(current)));
  const CalcSettings& calc = p.Calc();
  e.AddChild("CalcType", FormatIntValue(static_cast<int32_t>(calc.GetCalcType())));
  e.AddChild("MediaSize", FormatInt64Value(calc.GetMediaSize()));
  e.AddChild("MediaSizeType", FormatIntValue(calc.GetMediaSizeType()));
  e.AddChild("AudioLength", FormatDoubleValue(calc.GetAudioLength()));
  e.AddChild("UsePcts", FormatBoolValue(calc.GetUsePcts()));
  e.AddChild("PctMin", FormatDoubleValue(calc.GetPctMin()));
  e.AddChild("PctMax", FormatDoubleValue(calc.GetPctMax()));
  e.AddChild("UseTimeLimit", FormatBoolValue(calc.GetUseTimeLimit()));
  e.AddChild("TimeLimit", FormatDoubleValue(calc.GetTimeLimit()));
  for (const auto& c : p.Candidates()) {
    auto& ce = e.AddChild("Candidate");
    ce.AddChild("FullName", c->GetFullPath());
    ce.AddChild("OriginalPath", c->GetOriginalPath().GetFullPath());
    ce.AddChild("Required", FormatBoolValue(c->IsRequired()));
    ce.AddChild("GroupNum", FormatIntValue(c->GetGroup()));
  }
  const CandidateOptions& o = p.Options();
  e.AddChild("AutoExpandLarge", FormatBoolValue(o.GetAutoExpandLarge()));
  e.AddChild("AutoExpandAll", FormatBoolValue(o.GetAutoExpandAll()));
  e.AddChild("UseTimestamp", FormatBoolValue(o.GetUseTimestamp()));
  e.AddChild("Timestamp", FormatIntValue(o.GetTimestamp()));
  e.AddChild("UpdateTimestamp", FormatBoolValue(p.GetUpdateTimestamp()));
  e.AddChild("UseArchiveFlag", FormatBoolValue(o.GetUseArchiveFlag()));
  const ActionSettings& a = p.Actions();
  e.AddChild("DestPath", a.GetDestPath());
  e.AddChild("DestCounter", FormatIntValue(a.GetDestCounter()));
  e.AddChild("ReportFilename", a.GetReportFilename());
  e.AddChild("AppendReport", FormatBoolValue(a.GetAppendReport()));
  e.AddChild("PathRetainType", FormatIntValue(static_cast<int32_t>(a.GetPathRetainType())));
  e.AddChild("RemoveCandidates", FormatBoolValue(a.GetRemoveCandidates()));
  e.AddChild("RemoveResultSet", FormatBoolValue(a.GetRemoveResultSet()));
  e.AddChild("DeleteAfterBurn", FormatBoolValue(a.GetDeleteAfterBurn()));
}

// A "SizePreset" element, when its name and all three values are accepted.
std::optional<SizePreset> PresetOf(const ConfigElement& e) {
  SizePreset preset;
  const std::string* name = FirstAttribute(e, "name");
  if (name == nullptr || !preset.SetName(*name)) return std::nullopt;
  bool size = false;
  bool type = false;
  bool length = false;
  for (const auto& child : e.GetChildren()) {
    const std::string& key = child->GetName();
    if (key == "MediaSize" && !size) {
      Int64(*child, [&](int64_t v) { size = preset.SetSize(v); });
    } else if (key == "MediaSizeType" && !type) {
      Int(*child, [&](int32_t v) { type = preset.SetSizeType(v); });
    } else if (key == "AudioLength" && !length) {
      Double(*child, [&](double v) { length = preset.SetAudioLength(v); });
    }
  }
  if (!size || !type || !length) return std::nullopt;
  return preset;
}

}  // namespace

AppConfig::AppConfig(const std::string& path)
    : path_(path),
      candidateColumnWidths_(kCandidateColumnDefaults),
      resultSetColumnWidths_(kResultSetColumnDefaults) {
  LoadFile();
}

AppConfig::~AppConfig() { SaveFile(); }

const std::vector<ColumnId>& AppConfig::CandidateColumnIds() {
  static const std::vector<ColumnId> ids = {10, 20, 30, 40, 50, 60, 70, 80};
  return ids;
}

const std::vector<ColumnId>& AppConfig::ResultSetColumnIds() {
  static const std::vector<ColumnId> ids = {10, 20, 30, 40, 50, 60};
  return ids;
}

std::vector<SizePreset> AppConfig::BuiltInPresets() {
  return {
      {"700mb CD (80min)", 734003200, 20, 79.917}, {"650mb CD (74min)", 681574400, 20, 73.89},
      {"DVD-R, DVD-RW", 4700000000, 30, 511.41},   {"DVD+R, DVD+RW", 4700372992, 30, 511.41},
      {"DVD-RAM", 4700307456, 30, 511.41},         {"156mb CD-Single (18min)", 163577856, 20, 18.0},
      {"100mb Zip", 104857600, 20, 11.43},         {"250mb Zip", 262144000, 20, 28.57},
      {"1gb Jaz", 1073741824, 30, 114.28},         {"2gb Jaz", 2147483648, 30, 228.57},
  };
}

bool AppConfig::SetWindowPosX(int x) {
  if (x < 0) return false;
  windowPosX_ = x;
  return true;
}

bool AppConfig::SetWindowPosY(int y) {
  if (y < 0) return false;
  windowPosY_ = y;
  return true;
}

bool AppConfig::SetWindowWidth(int width) {
  if (width < 1) return false;
  windowWidth_ = width;
  return true;
}

bool AppConfig::SetWindowHeight(int height) {
  if (height < 1) return false;
  windowHeight_ = height;
  return true;
}

int AppConfig::GetCandidateColumnWidth(ColumnId id) const {
  return GetWidth(candidateColumnWidths_, id);
}

int AppConfig::GetResultSetColumnWidth(ColumnId id) const {
  return GetWidth(resultSetColumnWidths_, id);
}

bool AppConfig::SetCandidateColumnWidth(ColumnId id, int width) {
  return SetWidth(candidateColumnWidths_, id, width);
}

bool AppConfig::SetResultSetColumnWidth(ColumnId id, int width) {
  return SetWidth(resultSetColumnWidths_, id, width);
}

void AppConfig::AddRSStats(const ResultSet& resultSet, ExitType exitType) {
  rsStats_.push_back(MakeRSStats(resultSet, exitType, executionCount_));
}

bool AppConfig::AddProfile(const std::string& name) {
  auto profile = std::make_unique<ConfigProfile>();
  if (!profile->SetName(name)) return false;
  profiles_.push_back(std::move(profile));
  currentProfileIndex_ = static_cast<int>(profiles_.size()) - 1;
  return true;
}

bool AppConfig::SelectProfile(int index) {
  if (index < 0 || index >= static_cast<int>(profiles_.size())) return false;
  currentProfileIndex_ = index;
  return true;
}

std::vector<std::string> AppConfig::GetProfileNames() const {
  std::vector<std::string> names;
  for (const auto& p : profiles_) names.push_back(p->GetName());
  return names;
}

void AppConfig::StoreCurrentCandidates(CandidateVector candidates) {
  GetCurrentProfile().Candidates() = std::move(candidates);
}

CandidateVector AppConfig::GetCurrentCandidates() {
  return std::move(GetCurrentProfile().Candidates());
}

bool AppConfig::AddPreset(const SizePreset& preset) {
  if (preset.GetName().empty()) return false;
  presets_.push_back(preset);
  return true;
}

bool AppConfig::ApplyPreset(int index) {
  if (index < 0 || index >= static_cast<int>(presets_.size())) return false;
  const SizePreset& preset = presets_[static_cast<size_t>(index)];
  CalcSettings& calc = GetCurrentProfile().Calc();
  calc.SetMediaSize(preset.GetSize());
  calc.SetMediaSizeType(preset.GetSizeType());
  calc.SetAudioLength(preset.GetAudioLength());
  return true;
}

void AppConfig::ReadColumnWidth(const ConfigElement& e, bool candidates) {
  const std::string* type = FirstAttribute(e, "type");
  int32_t id = 0;
  int32_t width = 0;
  if (type == nullptr || !ParseIntValue(*type, id) || !ParseIntValue(e.GetValue(), width)) return;
  if (candidates) {
    SetCandidateColumnWidth(id, width);
  } else {
    SetResultSetColumnWidth(id, width);
  }
}

void AppConfig::ReadExecutionCount(const ConfigElement& e) {
  for (const ConfigAttribute& a : e.GetAttributes()) {
    if (a.GetName() != "type" || (a.GetValue() != "current" && a.GetValue() != "prior")) continue;
    int32_t count = 0;
    if (ParseIntValue(e.GetValue(), count) && count >= 0) {
      (a.GetValue() == "current" ? executionCount_ : priorExecutionCount_) = count;
    }
    return;
  }
}

void AppConfig::ReadPreset(const ConfigElement& e) {
  if (std::optional<SizePreset> preset = PresetOf(e)) presets_.push_back(*preset);
}

std::vector<SizePreset> AppConfig::ReadPresets(const std::string& path) {
  ConfigDocument doc(path);
  std::vector<SizePreset> presets;
  if (doc.Load()) {
    for (const auto& child : doc.GetChildren()) {
      if (child->GetName() != "SizePreset") continue;
      if (std::optional<SizePreset> preset = PresetOf(*child)) presets.push_back(*preset);
    }
  }
  return presets.empty() ? BuiltInPresets() : presets;
}

void AppConfig::ReadProfile(const ConfigElement& e) {
  auto profile = std::make_unique<ConfigProfile>();
  bool named = false;
  for (const ConfigAttribute& a : e.GetAttributes()) {
    if (a.GetName() == "name") {
      named = profile->SetName(a.GetValue()) || named;
    } else if (a.GetName() == "selected") {
      bool selected = false;
      ParseBoolValue(a.GetValue(), selected);
      profile->SetSelected(selected);
    }
  }
  for (const auto& child : e.GetChildren()) ReadProfileKey(*profile, *child);
  if (named) profiles_.push_back(std::move(profile));
}

void AppConfig::ReadRSStats(const ConfigElement& e) {
  RSStats r;
  for (const auto& child : e.GetChildren()) {
    const std::string& key = child->GetName();
    if (key == "CalcType") Int(*child, [&](int32_t v) { r.calcType = v; });
    if (key == "ExecutionNum") Int(*child, [&](int32_t v) { r.executionNum = v; });
    if (key == "ExitType") Int(*child, [&](int32_t v) { r.exitType = v; });
    if (key == "ActualSize") Int64(*child, [&](int64_t v) { r.actualSize = v; });
    if (key == "MediaSize") Int64(*child, [&](int64_t v) { r.mediaSize = v; });
    if (key == "IterationNum") Int64(*child, [&](int64_t v) { r.iterationNum = v; });
    if (key == "ActualAudioLength") Double(*child, [&](double v) { r.actualAudioLength = v; });
    if (key == "MediaAudioLength") Double(*child, [&](double v) { r.mediaAudioLength = v; });
    if (key == "TimeElapsed") Double(*child, [&](double v) { r.timeElapsed = v; });
  }
  rsStats_.push_back(r);
}

void AppConfig::LoadFile() {
  ConfigDocument doc(path_);
  if (!doc.Load() && FileSystem::LookUp(path_).exists) KeepDamagedFile();
  for (const auto& child : doc.GetChildren()) {
    const ConfigElement& e = *child;
    const std::string& key = e.GetName();
    if (key == "ID") {
      clientId_ = e.GetValue();
    } else if (key == "WindowMaximized") {
      windowMaximized_ = Bool(e);
    } else if (key == "WindowPosX") {
      Int(e, [&](int32_t v) { SetWindowPosX(v); });
    } else if (key == "WindowPosY") {
      Int(e, [&](int32_t v) { SetWindowPosY(v); });
    } else if (key == "WindowWidth") {
      Int(e, [&](int32_t v) { SetWindowWidth(v); });
    } else if (key == "WindowHeight") {
      Int(e, [&](int32_t v) { SetWindowHeight(v); });
    } else if (key == "CandidateColumnWidth" || key == "ResultSetColumnWidth") {
      ReadColumnWidth(e, key == "CandidateColumnWidth");
    } else if (key == "ExecutionCount") {
      ReadExecutionCount(e);
    } else if (key == "SendStats") {
      sendStats_ = Bool(e);
    } else if (key == "SizePreset") {
      ReadPreset(e);
    } else if (key == "ConfigProfile") {
      ReadProfile(e);
    } else if (key == "RSStats") {
      ReadRSStats(e);
    }
  }
  if (clientId_.empty()) clientId_ = GenerateClientId();
  if (profiles_.empty()) AddProfile("Default");
  if (presets_.empty()) presets_ = BuiltInPresets();
  currentProfileIndex_ = 0;
  if (profiles_.size() >= 2) {
    for (size_t i = 0; i < profiles_.size(); ++i) {
      if (profiles_[i]->IsSelected()) {
        currentProfileIndex_ = static_cast<int>(i);
        break;
      }
    }
  }
}

void AppConfig::SaveFile() {
  if (damagedNotKept_) return;
  ConfigDocument doc(path_);
  doc.AddChild("ID", clientId_);
  doc.AddChild("WindowMaximized", FormatBoolValue(windowMaximized_));
  doc.AddChild("WindowPosX", FormatIntValue(windowPosX_));
  doc.AddChild("WindowPosY", FormatIntValue(windowPosY_));
  doc.AddChild("WindowWidth", FormatIntValue(windowWidth_));
  doc.AddChild("WindowHeight", FormatIntValue(windowHeight_));
  auto widths = [&](const char* name, const std::vector<ColumnId>& ids, bool candidates) {
    for (ColumnId id : ids) {
      auto& e = doc.AddChild(name, FormatIntValue(candidates ? GetCandidateColumnWidth(id)
                                                             : GetResultSetColumnWidth(id)));
      e.AddAttribute(ConfigAttribute("type", FormatIntValue(id)));
    }
  };
  widths("CandidateColumnWidth", CandidateColumnIds(), true);
  widths("ResultSetColumnWidth", ResultSetColumnIds(), false);
  doc.AddChild("ExecutionCount", FormatIntValue(executionCount_))
      .AddAttribute(ConfigAttribute("type", "current"));
  doc.AddChild("ExecutionCount", FormatIntValue(priorExecutionCount_))
      .AddAttribute(ConfigAttribute("type", "prior"));
  doc.AddChild("SendStats", FormatBoolValue(sendStats_));
  for (const SizePreset& preset : presets_) {
    auto& e = doc.AddChild("SizePreset");
    e.AddAttribute(ConfigAttribute("name", preset.GetName()));
    e.AddChild("MediaSize", FormatInt64Value(preset.GetSize()));
    e.AddChild("MediaSizeType", FormatIntValue(preset.GetSizeType()));
    e.AddChild("AudioLength", FormatDoubleValue(preset.GetAudioLength()));
  }
  for (size_t i = 0; i < profiles_.size(); ++i) {
    WriteProfile(doc.GetRoot(), *profiles_[i], static_cast<int>(i) == currentProfileIndex_);
  }
  for (const RSStats& r : rsStats_) {
    auto& e = doc.AddChild("RSStats");
    e.AddChild("CalcType", FormatIntValue(r.calcType));
    e.AddChild("ActualSize", FormatInt64Value(r.actualSize));
    e.AddChild("MediaSize", FormatInt64Value(r.mediaSize));
    e.AddChild("ActualAudioLength", FormatDoubleValue(r.actualAudioLength));
    e.AddChild("MediaAudioLength", FormatDoubleValue(r.mediaAudioLength));
    e.AddChild("IterationNum", FormatInt64Value(r.iterationNum));
    e.AddChild("TimeElapsed", FormatDoubleValue(r.timeElapsed));
    e.AddChild("ExecutionNum", FormatIntValue(r.executionNum));
    e.AddChild("ExitType", FormatIntValue(r.exitType));
  }
  size_t slash = path_.rfind('/');
  if (slash != std::string::npos && slash > 0) FileSystem::MakeFolders(path_.substr(0, slash));
  doc.Save();
}

// The file that did not load is copied to "<path>.bad" (".bad.2", ... when
// earlier ones are there) before anything can overwrite it; one that cannot
// be copied is not overwritten at all.
void AppConfig::KeepDamagedFile() {
  for (int n = 1; n < 1000; ++n) {
    std::string copy = path_ + ".bad";
    if (n > 1) copy.append(".").append(std::to_string(n));
    int error = FileSystem::CopyToNew(path_, copy);
    if (error == 0) {
      damagedCopy_ = copy;
      return;
    }
    if (error != EEXIST) break;
  }
  damagedNotKept_ = true;
}

std::string AppConfig::LoadProblem() const {
  if (!damagedCopy_.empty()) {
    return "Ostrel.cfg could not be read and was kept as " + damagedCopy_ +
           "; the defaults are used.";
  }
  if (damagedNotKept_) {
    return "Ostrel.cfg could not be read; the defaults are used, and " + path_ +
           " will not be overwritten.";
  }
  return {};
}

}  // namespace ostrel
