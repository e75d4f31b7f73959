// Throughput of Mp3Length on a 100 MB constant-bitrate file, against a plain
// loop that only reads the same file through the same size of buffer.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "candidates/Mp3Length.h"

using namespace ostrel;

namespace {

constexpr size_t kTargetBytes = 100 * 1000 * 1000;

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, padded the way an encoder pads
// (one frame in 41 is one byte shorter), with random payload that holds
// stray sync bytes.
void MakeMp3(const std::string& path) {
  std::mt19937 random(7);
  std::string data;
  data.reserve(kTargetBytes + 1024);
  for (int n = 0; data.size() < kTargetBytes; ++n) {
    bool padded = n % 41 != 0;
    size_t length = padded ? 418 : 417;
    size_t start = data.size();
    data.resize(start + length);
    for (size_t i = 3; i < length; ++i) data[start + i] = static_cast<char>(random());
    data[start] = '\xFF';
    data[start + 1] = '\xFB';
    data[start + 2] = padded ? '\x92' : '\x90';
  }
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr || std::fwrite(data.data(), 1, data.size(), out) != data.size()) {
    std::perror(path.c_str());
    std::exit(1);
  }
  std::fclose(out);
}

uint64_t ReadAll(const std::string& path) {
  std::vector<unsigned char> buffer(256 * 1024);
  int fd = open(path.c_str(), O_RDONLY);
  uint64_t sum = 0;
  ssize_t n;
  while ((n = read(fd, buffer.data(), buffer.size())) > 0)
    sum += buffer[static_cast<size_t>(n) - 1];
  close(fd);
  return sum;
}

}  // namespace

int main() {
  bench::ScratchDir scratch;
  std::string path = scratch.Path() + "/long.mp3";
  MakeMp3(path);
  double megabytes = 0;
  {
    FILE* f = std::fopen(path.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    megabytes = std::ftell(f) / 1e6;
    std::fclose(f);
  }
  double length = Mp3Length(path);
  ReadAll(path);

  const int runs = 7;
  volatile uint64_t sink = 0;
  double ours = bench::FastestOf(runs, [&] { length = Mp3Length(path); });
  double plain = bench::FastestOf(runs, [&] { sink = sink + ReadAll(path); });

  std::printf("file                    %.1f MB, measured %.3f s (expected %.3f s)\n", megabytes,
              length, megabytes * 1e6 * 8 / 128000);
  std::printf("Mp3Length               %.0f MB/s (target at least 500)\n", megabytes / ours);
  std::printf("plain read loop         %.0f MB/s\n", megabytes / plain);
  std::printf("ratio ours / plain      %.2f\n", plain / ours);
  return 0;
}
