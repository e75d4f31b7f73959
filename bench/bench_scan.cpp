// Scanning and measuring a tree of 100,000 files in 1,000 folders, against
// du -sb on the same tree in the same run, with the memory a file item costs.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <random>

#include "BenchSupport.h"
#include "candidates/FolderItem.h"
#include "candidates/MeasurementCaches.h"

using namespace ostrel;

namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

// Sparse files of random length: the tree costs no disk space.
void MakeTree(const std::string& root) {
  std::mt19937_64 random(42);
  mkdir(root.c_str(), 0755);
  char path[512];
  for (int d = 0; d < kFolders; ++d) {
    std::snprintf(path, sizeof path, "%s/folder%04d", root.c_str(), d);
    mkdir(path, 0755);
    for (int f = 0; f < kFilesPerFolder; ++f) {
      std::snprintf(path, sizeof path, "%s/folder%04d/track%03d.dat", root.c_str(), d, f);
      int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ftruncate(fd, static_cast<off_t>(random() % 50000000)) != 0) {
        std::perror(path);
        std::exit(1);
      }
      close(fd);
    }
  }
}

uint64_t ScanAndMeasure(const std::string& root) {
  ClearMeasurementCaches();
  FolderItem tree(root);
  return tree.GetSize();
}

}  // namespace

int main() {
  bench::ScratchDir scratch;
  std::string root = scratch.Path() + "/tree";
  std::printf("making %d files in %d folders under %s ...\n", kFolders * kFilesPerFolder, kFolders,
              root.c_str());
  MakeTree(root);
  const int files = kFolders * kFilesPerFolder;

  size_t heapBefore = bench::HeapInUse();
  size_t peakBefore = bench::PeakResidentBytes();
  uint64_t total = 0;
  size_t heapHeld = 0;
  {
    ClearMeasurementCaches();
    FolderItem tree(root);
    total = tree.GetSize();
    heapHeld = bench::HeapInUse() - heapBefore;
  }
  size_t peakGrowth = bench::PeakResidentBytes() - peakBefore;

  const char* du[] = {"du", "-sb", root.c_str(), nullptr};
  if (!bench::RunQuietly(du)) {
    std::fprintf(stderr, "du -sb failed\n");
    return 1;
  }
  const int runs = 7;
  double ours = bench::FastestOf(runs, [&] { ScanAndMeasure(root); });
  double theirs = bench::FastestOf(runs, [&] { bench::RunQuietly(du); });

  std::printf("total size measured        %llu bytes\n", static_cast<unsigned long long>(total));
  std::printf("FolderItem + GetSize()     %.1f ms (fastest of %d)\n", ours * 1000, runs);
  std::printf("du -sb                     %.1f ms (fastest of %d)\n", theirs * 1000, runs);
  std::printf("ratio ours / du            %.2f (target at most 1.5)\n", ours / theirs);
  std::printf("heap held per file item    %.0f bytes (items and size cache)\n",
              static_cast<double>(heapHeld) / files);
  std::printf("peak memory per file item  %.0f bytes (target at most 256)\n",
              static_cast<double>(peakGrowth) / files);
  return 0;
}
