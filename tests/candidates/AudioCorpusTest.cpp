#include <dirent.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "candidates/FileItem.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/Mp3Length.h"
#include "candidates/WavLength.h"

namespace ostrel {
namespace {

std::vector<std::string> FilesOf(const std::string& folder) {
  std::vector<std::string> files;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* e = readdir(dir)) {
      if (e->d_name[0] != '.') files.push_back(folder + "/" + e->d_name);
    }
    closedir(dir);
  }
  return files;
}

// Every input of the fuzzing corpora goes through both length readers in
// the normal build: none may crash or hang them, every answer is a length
// or 0, and the files made by real encoders have one.
TEST(AudioCorpus, ReplaysThroughTheLengthReaders) {
  ClearMeasurementCaches();
  int files = 0;
  for (const char* kind : {"mp3", "wav"}) {
    for (const std::string& path : FilesOf(std::string(OSTREL_FUZZ_CORPUS) + "/" + kind)) {
      FileItem file(path);
      const double mp3 = Mp3Length(path);
      const double wav = WavLength(file);
      EXPECT_TRUE(std::isfinite(mp3) && mp3 >= 0.0) << path << ": " << mp3;
      EXPECT_TRUE(std::isfinite(wav) && wav >= 0.0) << path << ": " << wav;
      for (const char* encoded : {"/mpeg1.mp3", "/mpeg2.mp3", "/mpeg25.mp3", "/vbr.mp3"}) {
        if (path.ends_with(encoded)) {
          EXPECT_GT(mp3, 0.04) << path;
        }
      }
      if (path.ends_with("/stereo.wav")) {
        EXPECT_NEAR(wav, 0.05, 0.001);
      }
      ++files;
    }
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace ostrel
