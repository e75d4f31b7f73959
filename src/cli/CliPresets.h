#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/SizePreset.h"

namespace ostrel {

// The media the command line knows by name: short names for common discs
// (cd74, cd80, dvd, dvd+r and dvd-ram are the window's built-in presets;
// dvd-dl, bd25 and bd50 are the command line's own) and the presets of
// Ostrel.cfg by their names. Ostrel.cfg is only read, and only when a name
// is not a short one.
class CliPresets {
 public:
  struct ShortName {
    std::string name;
    SizePreset preset;
  };
  static std::vector<ShortName> ShortNames();
  // By short name, else by preset name (exactly, else ignoring case).
  static std::optional<SizePreset> Find(const std::string& name);
  // What "ostrel-cli presets" prints.
  static std::string Listing();
};

}  // namespace ostrel
