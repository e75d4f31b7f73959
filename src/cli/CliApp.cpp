#include "cli/CliApp.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/Formatting.h"
#include "candidates/CandidateCommands.h"
#include "candidates/CandidateList.h"
#include "cli/CliArguments.h"
#include "cli/CliPresets.h"
#include "cli/JsonWriter.h"
#include "cli/TerminalUi.h"
#include "platform/FileSystem.h"
#include "search/ComputeCommands.h"

namespace ostrel {

namespace {

constexpr const char* kUsage =
    "Usage: ostrel-cli compute [--mode data|audio] [--media SIZE|PRESET] [--audio-minutes M]\n"
    "                          [--pct MIN:MAX | --no-pct] [--time-limit SECONDS]\n"
    "                          [--all] [--require PATH]... [--group N=PATH]...\n"
    "                          [--expand fit|all] [--seed N] [--json] PATH...\n"
    "       ostrel-cli measure PATH...\n"
    "       ostrel-cli presets\n"
    "\n"
    "compute  finds the files and folders that fill the medium best: one result set,\n"
    "         or with --all one after another until every candidate is placed.\n"
    "         SIZE is bytes, or a number with K, M, G or T (powers of 1024; 700M,\n"
    "         700MB, 700MiB and 4.7G are read alike). PRESET is a short name (cd74,\n"
    "         cd80, dvd, dvd+r, dvd-ram, dvd-dl, bd25, bd50) or the name of a preset\n"
    "         in Ostrel.cfg; it sets the playing time too unless --audio-minutes does.\n"
    "         Defaults: data mode, 734003200 bytes, 79.917 minutes, 99.99:100 %,\n"
    "         no time limit. Ctrl+C during a search keeps the best so far; a\n"
    "         second Ctrl+C cancels.\n"
    "measure  prints the size, playing time and contents of each path.\n"
    "presets  lists the short names and the presets of Ostrel.cfg.\n";

int Usage(const std::string& error) {
  std::fprintf(stderr, "ostrel-cli: %s\n\n%s", error.c_str(), kUsage);
  return 2;
}

// Candidates are known by absolute paths, whatever the command line gave.
std::string Absolute(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

// Adds the paths in command-line order; false when one does not exist.
bool AddPaths(const ComputeRequest& request, CandidateList& list) {
  std::vector<std::string> refused;
  for (const CliPath& p : request.paths) {
    if (!FileSystem::LookUp(p.path).exists) {
      std::fprintf(stderr, "ostrel-cli: %s: no such file or folder\n", p.path.c_str());
      return false;
    }
    auto candidate = std::make_unique<Candidate>(Absolute(p.path));
    std::string fullPath = candidate->GetFullPath();
    bool listedAlready = list.FindByPath(fullPath) != nullptr;
    if (!list.Add(candidate)) {
      refused.push_back(p.path);
      continue;
    }
    if (listedAlready) continue;  // a duplicate: the listed one stays as it was
    Candidate* added = list.FindByPath(fullPath);
    if (p.required) added->SetRequired(true);
    if (p.group != 0) added->SetGroup(p.group);
  }
  if (!refused.empty()) {
    std::fprintf(stderr, "Warning: %s", CandidateCommands::RefusedText(refused).c_str());
  }
  return true;
}

void Expand(const ComputeRequest& request, CandidateList& list) {
  if (!request.expand) return;
  const CalcSettings& s = request.settings;
  if (*request.expand == "all") {
    list.ExpandAll();
  } else if (s.GetCalcType() == CalcType::Audio) {
    list.ExpandToFitLength(s.GetAudioSeconds());
  } else {
    list.ExpandToFitSize(static_cast<uint64_t>(s.GetMediaSize()));
  }
}

void PrintHuman(const ResultSetList& sets, const TerminalUi& ui) {
  for (int k = 0; k < sets.Count(); ++k) {
    const ResultSet& rs = *sets.GetAt(k);
    const bool audio = rs.GetCalcType() == static_cast<int>(CalcType::Audio);
    std::printf("Result Set #%d\n", k + 1);
    for (ResultSetItem* item : rs.GetItems()) {
      std::string size = FormatByteSize(static_cast<int64_t>(item->GetSize()));
      std::string length =
          audio ? std::string("\t").append(FormatDuration(item->GetAudioLength())) : "";
      std::printf("  %s%s\t%s\n", size.c_str(), length.c_str(), item->GetFullPath().c_str());
    }
    std::printf("  %s\n\n", FormatResultSetSummary(rs).c_str());
  }
  for (const TerminalUi::Message& m : ui.GetMessages()) {
    std::printf("%s\n%s\n", m.caption.c_str(), m.text.c_str());
  }
}

void PrintJson(const ResultSetList& sets, const std::vector<RSStats>& stats, ExitType exitType,
               const TerminalUi& ui) {
  JsonWriter json;
  json.BeginObject().BeginArray("exclusions");
  for (const ExclusionRow& row : ui.GetExclusions()) {
    json.BeginObject().Field("candidate", row.candidate).Field("reason", row.reason).EndObject();
  }
  json.EndArray().BeginArray("resultSets");
  for (int k = 0; k < sets.Count(); ++k) {
    const ResultSet& rs = *sets.GetAt(k);
    json.BeginObject()
        .Field("exitType", int64_t{stats[static_cast<size_t>(k)].exitType})
        .Field("calcType", int64_t{rs.GetCalcType()})
        .Field("iterationNum", rs.GetIterationNum())
        .Field("timeElapsed", rs.GetTimeElapsed())
        .Field("totalSize", rs.GetTotalSize())
        .Field("mediaSize", rs.GetMediaSize())
        .Field("totalAudioLength", rs.GetTotalAudioLength())
        .Field("mediaAudioLength", rs.GetMediaAudioLength())
        .Field("percentFilled", rs.GetPercentFilled())
        .BeginArray("items");
    for (ResultSetItem* item : rs.GetItems()) {
      json.BeginObject()
          .Field("path", item->GetFullPath())
          .Field("size", static_cast<int64_t>(item->GetSize()))
          .Field("audioLength", item->GetAudioLength())
          .Field("group", int64_t{item->GetGroup()})
          .EndObject();
    }
    json.EndArray().EndObject();
  }
  json.EndArray().Field("exitType", int64_t{static_cast<int>(exitType)}).EndObject();
  std::printf("%s\n", json.Text().c_str());
  for (const TerminalUi::Message& m : ui.GetMessages()) {
    std::fprintf(stderr, "%s\n%s\n", m.caption.c_str(), m.text.c_str());
  }
}

// The options dialog's warnings: these settings may search without end.
void Warn(const CalcSettings& s) {
  if (s.HasEqualPctsWithoutTimeLimit()) {
    std::fprintf(stderr, "Warning: %s\n", CalcSettings::kEqualPctsText);
  }
  if (s.HasNoLimit()) std::fprintf(stderr, "Warning: %s\n", CalcSettings::kNoLimitText);
}

struct Tally {
  int candidates = 0;
  int64_t bytes = 0;
  double seconds = 0.0;
};

// "3 candidates, 1,000 bytes (1000 bytes)", or their playing time.
std::string Describe(const Tally& t, bool audio) {
  std::string text =
      std::to_string(t.candidates) + (t.candidates == 1 ? " candidate, " : " candidates, ");
  if (audio) return text + FormatDuration(t.seconds);
  return text + FormatGroupedInteger(t.bytes) + " bytes (" + FormatByteSize(t.bytes) + ")";
}

// What the exclusion question listed, by reason, with the way out for what
// is too large: such candidates are easy to miss among the result sets.
std::string LeftOutSummary(const std::vector<ExclusionRow>& rows, const CalcSettings& s) {
  const std::pair<LeftOut, const char*> reasons[] = {
      {LeftOut::TooLarge, "larger than the medium"},
      {LeftOut::ModifiedBefore, "modified before the specified time"},
      {LeftOut::ArchiveFlag, "without the archive flag"}};
  std::string text;
  for (const auto& [why, reason] : reasons) {
    Tally t;
    for (const ExclusionRow& row : rows) {
      if (row.why != why) continue;
      t.candidates += row.candidates;
      t.bytes += row.bytes;
      t.seconds += row.seconds;
    }
    if (t.candidates > 0) {
      text +=
          "Left out: " + Describe(t, s.GetCalcType() == CalcType::Audio) + ", " + reason + ".\n";
    }
  }
  if (std::any_of(rows.begin(), rows.end(),
                  [](const ExclusionRow& r) { return r.why == LeftOut::TooLarge; })) {
    text +=
        "Hint: --expand fit splits folders larger than the medium into parts that fit; "
        "--expand all breaks every folder into its files.\n";
  }
  return text;
}

// After Compute All: candidates neither placed nor left out, because the run
// stopped early or none of them fits below the maximum percentage.
std::string NotPlacedSummary(const CandidateList& list, const std::vector<ExclusionRow>& rows,
                             const CalcSettings& s, ExitType last) {
  const bool audio = s.GetCalcType() == CalcType::Audio;
  Tally t;
  for (Candidate* c : list.GetCandidates()) {
    if (c->IsUsed()) continue;
    ++t.candidates;
    t.bytes += static_cast<int64_t>(c->GetSize());
    if (audio) t.seconds += c->GetAudioLength();
  }
  for (const ExclusionRow& row : rows) {
    t.candidates -= row.candidates;
    t.bytes -= row.bytes;
    t.seconds -= row.seconds;
  }
  if (t.candidates <= 0) return {};
  return "Not placed: " + Describe(t, audio) +
         (last == ExitType::StoppedEnd ? ": the run stopped before them.\n"
                                       : ": none of them fits below the maximum percentage.\n");
}

}  // namespace

int CliApp::Run(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "compute") return Compute(args);
  if (!args.empty() && args[0] == "measure") return Measure(args);
  if (!args.empty() && args[0] == "presets") {
    std::fputs(CliPresets::Listing().c_str(), stdout);
    return 0;
  }
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  return Usage(args.empty() ? "no command given" : "unknown command " + args[0]);
}

int CliApp::Compute(const std::vector<std::string>& args) {
  std::string error;
  std::optional<ComputeRequest> request =
      CliArguments::ParseCompute({args.begin() + 1, args.end()}, error);
  if (!request) return Usage(error);

  CandidateList candidates;
  if (!AddPaths(*request, candidates)) return 2;
  Expand(*request, candidates);
  Warn(request->settings);

  ResultSetList sets;
  CandidateOptions options;
  std::vector<RSStats> stats;
  ComputeContext context{candidates, sets, request->settings, options, 1, stats, request->seed};
  TerminalUi ui(request->json);
  ComputeCommands commands(context, ui);
  if (request->all) {
    commands.ComputeAll();
  } else {
    commands.ComputeOne();
  }
  if (request->json) {
    PrintJson(sets, stats, commands.GetLastExitType(), ui);
  } else {
    PrintHuman(sets, ui);
  }
  std::string leftOut = LeftOutSummary(ui.GetExclusions(), request->settings);
  if (request->all) {
    leftOut += NotPlacedSummary(candidates, ui.GetExclusions(), request->settings,
                                commands.GetLastExitType());
  }
  if (request->json) {
    std::fputs(leftOut.c_str(), stderr);
  } else if (!leftOut.empty()) {
    // The result sets end with a blank line, the messages do not.
    std::printf("%s%s", ui.GetMessages().empty() ? "" : "\n", leftOut.c_str());
  }
  return sets.Count() > 0 ? 0 : 1;
}

int CliApp::Measure(const std::vector<std::string>& args) {
  if (args.size() < 2) return Usage("no PATH given");
  int status = 0;
  for (size_t i = 1; i < args.size(); ++i) {
    Candidate candidate(Absolute(args[i]));
    if (!candidate.Exists()) {
      std::fprintf(stderr, "ostrel-cli: %s: no such file or folder\n", args[i].c_str());
      status = 2;
      continue;
    }
    uint64_t size = candidate.GetSize();
    std::printf("%s\t%s bytes (%s)\t%s\t%d files, %d folders\n", candidate.GetFullPath().c_str(),
                FormatGroupedInteger(static_cast<int64_t>(size)).c_str(),
                FormatByteSize(static_cast<int64_t>(size)).c_str(),
                FormatDuration(candidate.GetAudioLength()).c_str(),
                candidate.GetItem()->CountFiles(), candidate.GetItem()->CountFolders());
  }
  return status;
}

}  // namespace ostrel
