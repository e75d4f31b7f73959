#include "support/TempDir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/FileSystem.h"

namespace ostrel::test {

namespace {

void MakeParent(const std::string& path) {
  std::filesystem::create_directories(path.substr(0, path.rfind('/')));
}

void WriteBytes(const std::string& path, std::string_view content, std::ios::openmode mode) {
  MakeParent(path);
  std::ofstream out(path, std::ios::binary | mode);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/ostrel-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() { FileSystem::DeleteTree(path_); }

std::string TempDir::operator/(std::string_view relative) const {
  return path_ + "/" + std::string(relative);
}

std::string TempDir::MakeFolder(std::string_view relative) const {
  std::string path = *this / relative;
  std::filesystem::create_directories(path);
  return path;
}

std::string TempDir::WriteFile(std::string_view relative, std::string_view content) const {
  std::string path = *this / relative;
  WriteBytes(path, content, std::ios::trunc);
  return path;
}

std::string TempDir::AppendFile(std::string_view relative, std::string_view content) const {
  std::string path = *this / relative;
  WriteBytes(path, content, std::ios::app);
  return path;
}

std::string TempDir::MakeSparse(std::string_view relative, uint64_t size) const {
  std::string path = *this / relative;
  MakeParent(path);
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
    throw std::runtime_error("cannot make sparse file " + path);
  }
  close(fd);
  return path;
}

std::string TempDir::MakeFifo(std::string_view relative) const {
  std::string path = *this / relative;
  MakeParent(path);
  if (mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo failed");
  return path;
}

std::string TempDir::MakeLink(std::string_view relative, const std::string& target) const {
  std::string path = *this / relative;
  MakeParent(path);
  if (symlink(target.c_str(), path.c_str()) != 0) throw std::runtime_error("symlink failed");
  return path;
}

std::optional<bool> AsUnprivilegedUser(const std::function<bool()>& body) {
  if (geteuid() != 0) return body();
  constexpr int kNoUser = 77;
  pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(kNoUser);
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
  if (WEXITSTATUS(status) == kNoUser) return std::nullopt;
  return WEXITSTATUS(status) == 0;
}

bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

bool HasTool(const std::string& name) {
  return RunCommand("command -v " + name + " >/dev/null 2>&1");
}

}  // namespace ostrel::test
