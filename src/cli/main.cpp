#include <cstdio>
#include <cstring>
#include <string>

#include "app/Formatting.h"
#include "candidates/Candidate.h"

namespace {

constexpr const char* kUsage =
    "Usage: ostrel-cli measure PATH...\n"
    "\n"
    "Measures each path as Ostrel does: its size in bytes, its playing time\n"
    "(MP3 and WAV files) and the files and folders in it.\n";

int Measure(int argc, char** argv) {
  int status = 0;
  for (int i = 2; i < argc; ++i) {
    ostrel::Candidate candidate(argv[i]);
    if (!candidate.Exists()) {
      std::fprintf(stderr, "ostrel-cli: %s: no such file or folder\n", argv[i]);
      status = 2;
      continue;
    }
    auto* item = candidate.GetItem();
    uint64_t size = candidate.GetSize();
    std::printf("%s\t%s bytes (%s)\t%s\t%d files, %d folders\n", candidate.GetFullPath().c_str(),
                ostrel::FormatGroupedInteger(static_cast<int64_t>(size)).c_str(),
                ostrel::FormatByteSize(static_cast<int64_t>(size)).c_str(),
                ostrel::FormatDuration(candidate.GetAudioLength()).c_str(), item->CountFiles(),
                item->CountFolders());
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "measure") == 0) return Measure(argc, argv);
  bool help = argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
  std::fputs(kUsage, help ? stdout : stderr);
  return help ? 0 : 2;
}
