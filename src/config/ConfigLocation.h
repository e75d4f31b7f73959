#pragma once

#include <string>

namespace ostrel {

// Where Ostrel.cfg lives: the file OSTREL_CONFIG names; else Ostrel.cfg
// beside the program when that file exists (portable use); else
// $XDG_CONFIG_HOME/ostrel/Ostrel.cfg, by default ~/.config/ostrel/.
class ConfigLocation {
 public:
  static std::string Resolve();
};

}  // namespace ostrel
