// libFuzzer target: the WAV length reader must never crash or read out of
// bounds, whatever the header, and its answer is a length or 0.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "candidates/FileItem.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/WavLength.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The reader reads files: the input becomes one in memory, measured anew
  // each time (the size cache knows files by path).
  static const int fd = memfd_create("wav", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) abort();
  ostrel::ClearMeasurementCaches();
  ostrel::FileItem file(path);
  double seconds = ostrel::WavLength(file);
  if (!std::isfinite(seconds) || seconds < 0.0) abort();
  return 0;
}
