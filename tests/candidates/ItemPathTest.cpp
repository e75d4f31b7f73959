#include <gtest/gtest.h>

#include "candidates/ItemPath.h"

namespace ostrel {
namespace {

struct PathCase {
  const char* input;
  const char* normalized;
  bool root;
  const char* name;
  const char* parent;
};

TEST(ItemPath, NormalizesAndSplits) {
  const PathCase cases[] = {
      {"", "", false, "", ""},
      {"/", "/", true, "", ""},
      {"//", "//", true, "", ""},
      {"/a", "/a", false, "a", "/"},
      {"/a/", "/a", false, "a", "/"},
      {"/a//b", "/a/b", false, "b", "/a/"},
      {"/a///b//", "/a//b", false, "b", "/a//"},  // one folding pass, non-overlapping
      {"//srv//x/", "//srv/x", false, "x", "//srv/"},
      {"/home/u/Music/A/x.mp3", "/home/u/Music/A/x.mp3", false, "x.mp3", "/home/u/Music/A/"},
      {"name", "name", false, "name", ""},
      {"a/", "a/", false, "a", ""},  // the first two characters are kept
      {"rel/dir/", "rel/dir", false, "dir", "rel/"},
  };
  for (const PathCase& c : cases) {
    ItemPath path(c.input);
    EXPECT_EQ(path.GetFullPath(), c.normalized) << c.input;
    EXPECT_EQ(path.IsRoot(), c.root) << c.input;
    EXPECT_EQ(path.GetName(), c.name) << c.input;
    EXPECT_EQ(path.GetPath(), c.parent) << c.input;
  }
}

TEST(ItemPath, ChildJoinsWithOneSeparator) {
  EXPECT_EQ(ItemPath::Child(ItemPath("/"), "etc").GetFullPath(), "/etc");
  EXPECT_EQ(ItemPath::Child(ItemPath("/etc"), "fstab").GetFullPath(), "/etc/fstab");
  EXPECT_EQ(ItemPath::Child(ItemPath("/etc/"), "fstab"), ItemPath("/etc/fstab"));
}

}  // namespace
}  // namespace ostrel
