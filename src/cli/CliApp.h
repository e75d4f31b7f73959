#pragma once

#include <string>
#include <vector>

namespace ostrel {

// ostrel-cli: the same core as the window, for scripts and terminals.
// Exit status 0 when a result set was kept, 1 when none was, 2 for usage
// errors.
class CliApp {
 public:
  static int Run(const std::vector<std::string>& args);

 private:
  static int Compute(const std::vector<std::string>& args);
  static int Measure(const std::vector<std::string>& args);
};

}  // namespace ostrel
