// libFuzzer target: the MP3 length reader must never crash, hang or read
// out of bounds, whatever the bytes, and its answer is a length or 0.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "candidates/Mp3Length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The reader reads files: the input becomes one in memory.
  static const int fd = memfd_create("mp3", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) abort();
  double seconds = ostrel::Mp3Length(path);
  if (!std::isfinite(seconds) || seconds < 0.0) abort();
  return 0;
}
