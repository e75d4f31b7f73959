#include "cli/CliArguments.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "cli/CliPresets.h"

namespace ostrel {

namespace {

std::optional<double> ParseNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

template <typename Int>
std::optional<Int> ParseInteger(const std::string& text) {
  Int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

const char* const CliArguments::kMediaForms =
    "give bytes (734003200), a number with K, M, G or T, powers of 1024 (700M, 700MB, 700MiB, "
    "4.7G), or a preset: cd74, cd80, dvd, dvd+r, dvd-ram, dvd-dl, bd25, bd50 or a preset name "
    "of Ostrel.cfg (ostrel-cli presets lists them)";

// A number with an optional unit: B, or K, M, G, T with B or iB after it or
// alone, in either case; the units are powers of 1024.
std::optional<int64_t> CliArguments::ParseSize(const std::string& text) {
  size_t unitStart = text.find_first_not_of("0123456789.");
  std::string unit = unitStart == std::string::npos ? "" : text.substr(unitStart);
  for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  int shift = -1;
  const std::pair<const char*, int> units[] = {{"", 0},   {"b", 0},  {"k", 10},
                                               {"m", 20}, {"g", 30}, {"t", 40}};
  for (const auto& [letter, power] : units) {
    if (unit == letter ||
        (power > 0 && (unit == std::string(letter) + "b" || unit == std::string(letter) + "ib"))) {
      shift = power;
    }
  }
  if (shift < 0 || unitStart == 0) return std::nullopt;
  std::optional<double> number = ParseNumber(text.substr(0, unitStart));
  if (!number) return std::nullopt;
  double bytes = std::ldexp(*number, shift);
  if (bytes < 1.0 || bytes >= 9223372036854775808.0) return std::nullopt;
  return static_cast<int64_t>(bytes);
}

std::optional<ComputeRequest> CliArguments::ParseCompute(const std::vector<std::string>& args,
                                                         std::string& error) {
  ComputeRequest request;
  CalcSettings& s = request.settings;
  std::optional<double> presetMinutes;
  bool minutesGiven = false;
  auto fail = [&](const std::string& message) {
    error = message;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    const bool takesValue = arg == "--mode" || arg == "--media" || arg == "--audio-minutes" ||
                            arg == "--pct" || arg == "--time-limit" || arg == "--require" ||
                            arg == "--group" || arg == "--expand" || arg == "--seed";
    const std::string* v = takesValue ? value() : nullptr;
    if (takesValue && v == nullptr) return fail(arg + " needs a value");
    if (arg == "--mode") {
      if (*v != "data" && *v != "audio") return fail("--mode must be data or audio");
      s.SetCalcType(*v == "audio" ? 10 : 0);
    } else if (arg == "--media") {
      if (std::optional<int64_t> size = ParseSize(*v)) {
        s.SetMediaSize(*size);
      } else if (std::optional<SizePreset> preset = CliPresets::Find(*v)) {
        s.SetMediaSize(preset->GetSize());
        s.SetMediaSizeType(preset->GetSizeType());
        presetMinutes = preset->GetAudioLength();
      } else {
        return fail("--media: cannot read \"" + *v + "\"; " + kMediaForms);
      }
    } else if (arg == "--audio-minutes") {
      std::optional<double> minutes = ParseNumber(*v);
      if (!minutes || !s.SetAudioLength(*minutes))
        return fail("--audio-minutes: not a length: " + *v);
      minutesGiven = true;
    } else if (arg == "--pct") {
      size_t colon = v->find(':');
      std::optional<double> low = ParseNumber(v->substr(0, colon));
      std::optional<double> high =
          colon == std::string::npos ? std::nullopt : ParseNumber(v->substr(colon + 1));
      if (!low || !high || !s.SetPctMin(*low) || !s.SetPctMax(*high)) {
        return fail("--pct must be MIN:MAX percentages: " + *v);
      }
      s.SetUsePcts(true);
    } else if (arg == "--no-pct") {
      s.SetUsePcts(false);
    } else if (arg == "--time-limit") {
      std::optional<double> seconds = ParseNumber(*v);
      if (!seconds || !s.SetTimeLimit(*seconds)) return fail("--time-limit: not a time: " + *v);
      s.SetUseTimeLimit(true);
    } else if (arg == "--all") {
      request.all = true;
    } else if (arg == "--json") {
      request.json = true;
    } else if (arg == "--require") {
      request.paths.push_back({*v, true, 0});
    } else if (arg == "--group") {
      size_t eq = v->find('=');
      std::optional<int> number =
          eq == std::string::npos ? std::nullopt : ParseInteger<int>(v->substr(0, eq));
      if (!number || *number < 0 || eq + 1 >= v->size()) {
        return fail("--group must be N=PATH with N at least 0: " + *v);
      }
      request.paths.push_back({v->substr(eq + 1), false, *number});
    } else if (arg == "--expand") {
      if (*v != "fit" && *v != "all") return fail("--expand must be fit or all");
      request.expand = *v;
    } else if (arg == "--seed") {
      std::optional<uint32_t> seed = ParseInteger<uint32_t>(*v);
      if (!seed) return fail("--seed: not a number: " + *v);
      request.seed = seed;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
      return fail("unknown option " + arg);
    } else {
      if (arg == "--") {
        for (++i; i < args.size(); ++i) request.paths.push_back({args[i], false, 0});
        break;
      }
      request.paths.push_back({arg, false, 0});
    }
  }
  if (request.paths.empty()) return fail("no PATH given");
  // A preset's playing time counts unless one was given.
  if (presetMinutes && !minutesGiven) s.SetAudioLength(*presetMinutes);
  if (s.HasMaxBelowMin()) return fail(CalcSettings::kMaxBelowMinText);
  return request;
}

}  // namespace ostrel
