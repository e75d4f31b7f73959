#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel::test {

// A folder of its own for one test, removed with everything in it at the
// end. Helpers create fixtures inside it by relative path.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(std::string_view relative) const;

  std::string MakeFolder(std::string_view relative) const;
  std::string WriteFile(std::string_view relative, std::string_view content) const;
  std::string AppendFile(std::string_view relative, std::string_view content) const;
  // A file of the given length without data blocks.
  std::string MakeSparse(std::string_view relative, uint64_t size) const;
  std::string MakeFifo(std::string_view relative) const;
  std::string MakeLink(std::string_view relative, const std::string& target) const;

 private:
  std::string path_;
};

// Runs body where file permissions bind: as root (whom they do not bind) in
// a child process as the user nobody, else here. What body returned, or
// nothing when root cannot become nobody. The folders body works in must be
// open to that user.
std::optional<bool> AsUnprivilegedUser(const std::function<bool()>& body);

// Runs a shell command; true when it exited with status 0.
bool RunCommand(const std::string& command);
bool HasTool(const std::string& name);

}  // namespace ostrel::test
