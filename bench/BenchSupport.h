#pragma once

#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/FileSystem.h"

namespace ostrel::bench {

inline double Seconds() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// The fastest of several runs: the figure least disturbed by the machine.
inline double FastestOf(int runs, const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    double start = Seconds();
    work();
    double elapsed = Seconds() - start;
    if (elapsed < best) best = elapsed;
  }
  return best;
}

// Runs a program with its output discarded; false unless it exits with 0.
inline bool RunQuietly(const char* const argv[]) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

inline size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

inline size_t PeakResidentBytes() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<size_t>(usage.ru_maxrss) * 1024;
}

// A scratch folder removed at the end of the benchmark.
class ScratchDir {
 public:
  ScratchDir() {
    const char* base = std::getenv("TMPDIR");
    path_ = std::string(base && *base ? base : "/tmp") + "/ostrel-bench-XXXXXX";
    if (mkdtemp(path_.data()) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
  }
  ~ScratchDir() { FileSystem::DeleteTree(path_); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace ostrel::bench
