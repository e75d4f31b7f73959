#include <gtest/gtest.h>

#include <string>

#include "candidates/PathValueMap.h"

namespace ostrel {
namespace {

TEST(PathValueMap, StoresFindsOverwritesAndClears) {
  PathValueMap<uint64_t> map;
  uint64_t value = 7;
  EXPECT_FALSE(map.Find("/a", value));
  EXPECT_EQ(value, 7u);

  const int n = 50000;
  for (int i = 0; i < n; ++i) map.Store("/tree/folder/file" + std::to_string(i), i);
  map.Store(std::string(40000, 'x'), 1);  // longer than a key block
  map.Store("", 2);
  map.Store("/tree/folder/file7", 700);  // overwrite keeps one entry
  EXPECT_EQ(map.Count(), static_cast<size_t>(n) + 2);

  for (int i = 0; i < n; i += 997) {
    ASSERT_TRUE(map.Find("/tree/folder/file" + std::to_string(i), value));
    EXPECT_EQ(value, i == 7 ? 700u : static_cast<uint64_t>(i));
  }
  EXPECT_TRUE(map.Find(std::string(40000, 'x'), value));
  EXPECT_TRUE(map.Find("", value));
  EXPECT_EQ(value, 2u);
  EXPECT_FALSE(map.Find("/tree/folder/File7", value)) << "keys compare exactly";
  EXPECT_FALSE(map.Find("/tree/folder/file", value));

  map.Clear();
  EXPECT_EQ(map.Count(), 0u);
  EXPECT_FALSE(map.Find("/tree/folder/file1", value));
  map.Store("/again", 3);
  EXPECT_TRUE(map.Find("/again", value));
}

}  // namespace
}  // namespace ostrel
