#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include "platform/DosAttributes.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

using A = DosAttributes;

TEST(DosAttributes, DerivedFromModeAndName) {
  test::TempDir dir;
  std::string file = dir.WriteFile("plain.txt", "x");
  std::string hidden = dir.WriteFile(".hidden", "x");
  std::string folder = dir.MakeFolder("folder");
  std::string fifo = dir.MakeFifo("fifo");
  std::string readOnly = dir.WriteFile("ro.txt", "x");
  chmod(readOnly.c_str(), 0444);

  struct Case {
    std::string path;
    uint32_t bits;
  } cases[] = {
      {file, A::kArchive}, {hidden, A::kArchive | A::kHidden},     {folder, A::kDirectory},
      {fifo, A::kNormal},  {readOnly, A::kArchive | A::kReadOnly}, {dir / "missing", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(A::Read(c.path), c.bits) << c.path;
}

TEST(DosAttributes, ReadOnlyWritesTheWriteBits) {
  test::TempDir dir;
  std::string file = dir.WriteFile("f", "x");
  chmod(file.c_str(), 0664);

  ASSERT_TRUE(A::Write(file, A::kReadOnly | A::kArchive));
  EXPECT_EQ(FileSystem::LookUp(file).mode & 0777, 0444u);
  EXPECT_TRUE(A::Read(file) & A::kReadOnly);

  ASSERT_TRUE(A::Write(file, A::kArchive));
  EXPECT_EQ(FileSystem::LookUp(file).mode & 0777, 0644u);
  EXPECT_FALSE(A::Read(file) & A::kReadOnly);

  EXPECT_FALSE(A::Write(dir / "missing", A::kArchive));
}

TEST(DosAttributes, SambaAttributeIsReadAndWrittenWhereTheFileHasOne) {
  test::TempDir dir;
  std::string file = dir.WriteFile("f", "x");
  const char value[] = "0x21";
  if (setxattr(file.c_str(), "user.DOSATTRIB", value, sizeof value, 0) != 0) {
    GTEST_SKIP() << "this file system keeps no user extended attributes";
  }
  EXPECT_EQ(A::Read(file), A::kArchive | A::kReadOnly);

  ASSERT_TRUE(A::Write(file, A::kHidden | A::kSystem | 0x40000));
  EXPECT_EQ(A::Read(file), A::kHidden | A::kSystem) << "bits outside the settable mask are dropped";
}

}  // namespace
}  // namespace ostrel
