#include <gtest/gtest.h>

#include <cstdlib>

#include "config/ConfigLocation.h"

namespace ostrel {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

TEST(ConfigLocation, NamedFileThenXdgThenHome) {
  {
    ScopedEnv named("OSTREL_CONFIG", "/tmp/x/Ostrel.cfg");
    EXPECT_EQ(ConfigLocation::Resolve(), "/tmp/x/Ostrel.cfg");
  }
  ScopedEnv named("OSTREL_CONFIG", nullptr);
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/home/u/.cfg");
    EXPECT_EQ(ConfigLocation::Resolve(), "/home/u/.cfg/ostrel/Ostrel.cfg");
  }
  ScopedEnv relative("XDG_CONFIG_HOME", "not/absolute");
  ScopedEnv home("HOME", "/home/v");
  EXPECT_EQ(ConfigLocation::Resolve(), "/home/v/.config/ostrel/Ostrel.cfg");
}

}  // namespace
}  // namespace ostrel
