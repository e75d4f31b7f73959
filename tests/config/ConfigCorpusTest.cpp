#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "config/ConfigDocument.h"

namespace ostrel {
namespace {

// Every input of the fuzzing corpus goes through the reader in the normal
// build: none may crash or hang it, and the valid ones must read back.
TEST(ConfigCorpus, ReplaysThroughTheReader) {
  DIR* dir = opendir(OSTREL_CONFIG_CORPUS);
  ASSERT_NE(dir, nullptr) << OSTREL_CONFIG_CORPUS;
  int files = 0;
  int loaded = 0;
  while (dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    std::ifstream in(std::string(OSTREL_CONFIG_CORPUS) + "/" + e->d_name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    ConfigDocument doc("/nonexistent");
    if (doc.LoadFromBytes(bytes.str())) {
      ++loaded;
      ConfigDocument again("/nonexistent");
      EXPECT_TRUE(again.Parse(doc.Serialize())) << e->d_name;
    }
    ++files;
  }
  closedir(dir);
  EXPECT_GT(files, 0);
  EXPECT_GT(loaded, 0);
}

}  // namespace
}  // namespace ostrel
