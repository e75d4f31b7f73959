#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "candidates/CandidateOptions.h"
#include "search/CalcSettings.h"

namespace ostrel {

// One path of the command line and how it enters the candidate list.
struct CliPath {
  std::string path;
  bool required = false;
  int group = 0;
};

// What "ostrel-cli compute ..." asks for.
struct ComputeRequest {
  CalcSettings settings;
  bool all = false;
  std::vector<CliPath> paths;
  std::optional<std::string> expand;  // "fit" or "all"
  std::optional<uint32_t> seed;
  bool json = false;
};

// Parses the arguments after "compute"; an error text names what is wrong.
class CliArguments {
 public:
  static std::optional<ComputeRequest> ParseCompute(const std::vector<std::string>& args,
                                                    std::string& error);
  // Bytes, or a number with a unit (B; K, M, G or T, powers of 1024, alone
  // or with B or iB), truncated to bytes; at least one byte.
  static std::optional<int64_t> ParseSize(const std::string& text);
  // What --media accepts, for its error message.
  static const char* const kMediaForms;
};

}  // namespace ostrel
