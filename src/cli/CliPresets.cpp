#include "cli/CliPresets.h"

#include <algorithm>
#include <cctype>

#include "app/Formatting.h"
#include "config/AppConfig.h"
#include "config/ConfigLocation.h"

namespace ostrel {

namespace {

SizePreset BuiltIn(const std::string& name) {
  for (const SizePreset& p : AppConfig::BuiltInPresets()) {
    if (p.GetName() == name) return p;
  }
  return {};
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Line(const std::string& name, const SizePreset& p) {
  std::string line = "  " + name;
  line.resize(std::max<size_t>(line.size() + 2, 30), ' ');
  return line + FormatGroupedInteger(p.GetSize()) + " bytes (" + FormatByteSize(p.GetSize()) +
         "), " + FormatTrimmedDecimal(p.GetAudioLength(), 3, true) + " minutes\n";
}

}  // namespace

// The discs beyond the built-in presets play, in Audio mode, what a DVD-R
// plays per byte.
std::vector<CliPresets::ShortName> CliPresets::ShortNames() {
  return {{"cd74", BuiltIn("650mb CD (74min)")},
          {"cd80", BuiltIn("700mb CD (80min)")},
          {"dvd", BuiltIn("DVD-R, DVD-RW")},
          {"dvd+r", BuiltIn("DVD+R, DVD+RW")},
          {"dvd-ram", BuiltIn("DVD-RAM")},
          {"dvd-dl", SizePreset("DVD-R DL", 8543666176, 30, 929.64)},
          {"bd25", SizePreset("BD-R 25 GB", 25025314816, 30, 2723.02)},
          {"bd50", SizePreset("BD-R 50 GB", 50050629632, 30, 5446.04)}};
}

std::optional<SizePreset> CliPresets::Find(const std::string& name) {
  for (const ShortName& s : ShortNames()) {
    if (EqualIgnoringCase(s.name, name)) return s.preset;
  }
  std::vector<SizePreset> presets = AppConfig::ReadPresets(ConfigLocation::Resolve());
  for (const SizePreset& p : presets) {
    if (p.GetName() == name) return p;
  }
  for (const SizePreset& p : presets) {
    if (EqualIgnoringCase(p.GetName(), name)) return p;
  }
  return std::nullopt;
}

std::string CliPresets::Listing() {
  std::string text = "Short names:\n";
  for (const ShortName& s : ShortNames()) text += Line(s.name, s.preset);
  const std::string path = ConfigLocation::Resolve();
  text += "\nPresets of " + path + " (built in when it names none), by name:\n";
  for (const SizePreset& p : AppConfig::ReadPresets(path))
    text += Line("\"" + p.GetName() + "\"", p);
  return text;
}

}  // namespace ostrel
