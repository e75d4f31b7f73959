#include "config/ConfigLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/FileSystem.h"

namespace ostrel {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string ProgramFolder() {
  char buffer[4096];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::string exe(buffer, static_cast<size_t>(n));
  return exe.substr(0, exe.rfind('/'));
}

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (!home.empty()) return home;
  const passwd* pw = getpwuid(getuid());
  return pw != nullptr && pw->pw_dir != nullptr ? pw->pw_dir : "/tmp";
}

}  // namespace

std::string ConfigLocation::Resolve() {
  std::string named = Env("OSTREL_CONFIG");
  if (!named.empty()) return named;
  std::string portable = ProgramFolder() + "/Ostrel.cfg";
  if (FileSystem::LookUp(portable).IsRegular()) return portable;
  std::string base = Env("XDG_CONFIG_HOME");
  if (base.empty() || base[0] != '/') base = HomeFolder() + "/.config";
  return base + "/ostrel/Ostrel.cfg";
}

}  // namespace ostrel
