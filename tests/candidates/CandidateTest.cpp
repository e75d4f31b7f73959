#include <gtest/gtest.h>

#include <functional>

#include "candidates/Candidate.h"
#include "candidates/MeasurementCaches.h"
#include "platform/DosAttributes.h"
#include "platform/FileSystem.h"
#include "support/RecordingDisplay.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

struct State {
  bool required;
  int group;
  bool used;
  int resultSet;
};

void ExpectState(const Candidate& c, const State& s, const std::string& what) {
  EXPECT_EQ(c.IsRequired(), s.required) << what;
  EXPECT_EQ(c.GetGroup(), s.group) << what;
  EXPECT_EQ(c.IsUsed(), s.used) << what;
  EXPECT_EQ(c.GetResultSet(), s.resultSet) << what;
}

TEST(Candidate, SettersKeepTheInvariants) {
  struct Case {
    const char* what;
    std::function<bool(Candidate&)> steps;
    bool lastResult;
    State state;
  } cases[] = {
      {"new", [](Candidate&) { return true; }, true, {false, 0, false, -1}},
      {"group clears required",
       [](Candidate& c) { return c.SetRequired(true) && c.SetGroup(3); },
       true,
       {false, 3, false, -1}},
      {"required clears group",
       [](Candidate& c) { return c.SetGroup(3) && c.SetRequired(true); },
       true,
       {true, 0, false, -1}},
      {"group 0 keeps required",
       [](Candidate& c) { return c.SetRequired(true) && c.SetGroup(0); },
       true,
       {true, 0, false, -1}},
      {"negative group refused",
       [](Candidate& c) { return c.SetGroup(2) && c.SetGroup(-1); },
       false,
       {false, 2, false, -1}},
      {"not required keeps group",
       [](Candidate& c) { return c.SetGroup(4) && c.SetRequired(false); },
       true,
       {false, 4, false, -1}},
      {"used with result set",
       [](Candidate& c) { return c.SetUsed(true) && c.SetResultSet(4); },
       true,
       {false, 0, true, 4}},
      {"unused clears result set",
       [](Candidate& c) { return c.SetUsed(true) && c.SetResultSet(4) && c.SetUsed(false); },
       true,
       {false, 0, false, -1}},
      {"result set below -1 stored as -1",
       [](Candidate& c) { return c.SetUsed(true) && c.SetResultSet(-5); },
       true,
       {false, 0, true, -1}},
  };
  for (const Case& c : cases) {
    Candidate candidate;
    EXPECT_EQ(c.steps(candidate), c.lastResult) << c.what;
    ExpectState(candidate, c.state, c.what);
  }
}

TEST(Candidate, WithoutItemEverythingIsNeutral) {
  test::TempDir dir;
  Candidate c(dir / "missing");
  EXPECT_EQ(c.GetItem(), nullptr);
  EXPECT_FALSE(c.Exists());
  EXPECT_EQ(c.GetFullPath(), "");
  EXPECT_EQ(c.GetName(), "");
  EXPECT_EQ(c.GetPath(), "");
  EXPECT_EQ(c.GetRelativePath(), "");
  EXPECT_FALSE(c.IsFile());
  EXPECT_FALSE(c.IsFolder());
  EXPECT_FALSE(c.IsWithin(dir.Path()));
  EXPECT_FALSE(c.PassesTimestamp(0));
  EXPECT_FALSE(c.HasArchiveFlag());
  EXPECT_TRUE(c.GetContents().empty());
  EXPECT_EQ(c.GetOriginalPath().GetFullPath(), dir.Path());
}

TEST(Candidate, AddingFromAPathReportsAndSteps) {
  test::TempDir dir;
  std::string path = dir.WriteFile("song.mp3", "x");
  test::RecordingDisplay display(ProgressChannel::Add());
  Candidate quiet(path);
  EXPECT_TRUE(display.calls.empty());

  ProgressChannel::Add().Open(0, 0, 1);
  Candidate c(path + "/");
  ProgressChannel::Add().Close();
  EXPECT_EQ(display.calls,
            (std::vector<std::string>{"open 1", "report " + path + "/ 0", "step", "close"}));
  EXPECT_TRUE(c.IsFile());
  EXPECT_EQ(c.GetFullPath(), path);
  EXPECT_EQ(c.GetName(), "song.mp3");
  EXPECT_EQ(c.GetPath(), dir.Path() + "/");
  EXPECT_EQ(c.GetOriginalPath().GetFullPath(), dir.Path());
}

TEST(Candidate, SetFullNameReplacesTheItem) {
  test::TempDir dir;
  std::string path = dir.MakeFolder("music");
  Candidate c;
  EXPECT_TRUE(c.SetFullName(path));
  EXPECT_TRUE(c.IsFolder());
  EXPECT_FALSE(c.SetFullName(dir / "gone"));
  EXPECT_FALSE(c.Exists());
  EXPECT_TRUE(c.SetOriginalPath("/x/y/"));
  EXPECT_EQ(c.GetOriginalPath().GetFullPath(), "/x/y");
}

TEST(Candidate, RelativePathIsThePartBelowTheOriginalFolder) {
  test::TempDir dir;
  dir.WriteFile("Music/Album/CD1/a.mp3", "");
  Candidate album(dir / "Music/Album");
  EXPECT_EQ(album.GetOriginalPath().GetFullPath(), dir / "Music");
  EXPECT_EQ(album.GetRelativePath(), "");

  CandidateVector parts = album.GetContents();
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0]->GetFullPath(), dir / "Music/Album/CD1/a.mp3");
  EXPECT_EQ(parts[0]->GetRelativePath(), "Album/CD1/");

  parts[0]->SetOriginalPath("/elsewhere");
  EXPECT_EQ(parts[0]->GetRelativePath(), "");
  parts[0]->SetOriginalPath("/");
  EXPECT_EQ(parts[0]->GetRelativePath(), (dir / "Music/Album/CD1/").substr(1));
}

TEST(Candidate, IsWithinComparesWholeComponents) {
  test::TempDir dir;
  dir.MakeFolder("A/B");
  Candidate b(dir / "A/B");
  struct Case {
    std::string path;
    bool within;
  } cases[] = {
      {dir / "A", true},  {dir / "A/B", true}, {dir / "A/B2", false}, {dir / "AB", false},
      {dir.Path(), true}, {"/", true},         {"", false},           {dir / "A/B/C", false},
  };
  for (const Case& c : cases) EXPECT_EQ(b.IsWithin(c.path), c.within) << c.path;
}

TEST(Candidate, TimestampFilterPassesFoldersAndRecentFiles) {
  test::TempDir dir;
  std::string path = dir.WriteFile("old.txt", "x");
  const int64_t written = 1600000000;
  FileTimes times;
  times.lastWrite = written * 1000000000LL;
  times.lastAccess = times.lastWrite;
  ASSERT_TRUE(FileSystem::WriteTimes(path, times));

  Candidate file(path);
  Candidate folder(dir.Path());
  EXPECT_TRUE(file.PassesTimestamp(written));
  EXPECT_TRUE(file.PassesTimestamp(written - 1));
  EXPECT_FALSE(file.PassesTimestamp(written + 1));
  EXPECT_TRUE(folder.PassesTimestamp(INT64_MAX));

  FileSystem::RemoveFile(path);
  EXPECT_FALSE(file.PassesTimestamp(0)) << "a file whose times cannot be read fails";
}

TEST(Candidate, ArchiveFlagIsReadLive) {
  test::TempDir dir;
  std::string path = dir.WriteFile("f", "x");
  Candidate file(path);
  Candidate folder(dir.Path());
  EXPECT_TRUE(file.HasArchiveFlag());
  EXPECT_FALSE(folder.HasArchiveFlag());
  FileSystem::RemoveFile(path);
  EXPECT_FALSE(file.HasArchiveFlag());
}

}  // namespace
}  // namespace ostrel
