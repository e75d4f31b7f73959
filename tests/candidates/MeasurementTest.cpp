#include <gtest/gtest.h>

#include <algorithm>

#include "candidates/Candidate.h"
#include "candidates/FileItem.h"
#include "candidates/FolderItem.h"
#include "candidates/MeasurementCaches.h"
#include "platform/FileSystem.h"
#include "support/RecordingDisplay.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

class Measurement : public ::testing::Test {
 protected:
  void SetUp() override { ClearMeasurementCaches(); }
  test::TempDir dir;
};

TEST_F(Measurement, CachedSizeHoldsUntilTheCachesAreCleared) {
  std::string path = dir.WriteFile("grows.txt", "0123456789");
  FileItem file(path);
  EXPECT_EQ(file.GetSize(), 10u);
  dir.AppendFile("grows.txt", "0123456789");
  EXPECT_EQ(file.GetSize(), 10u);
  EXPECT_EQ(FileItem(path).GetSize(), 10u) << "one value serves every item of the path";

  EXPECT_TRUE(ClearMeasurementCaches());
  EXPECT_EQ(file.GetSize(), 20u);
}

TEST_F(Measurement, FolderRescansAfterTheCachesAreCleared) {
  dir.WriteFile("tree/a", "0123456789");
  FolderItem folder(dir / "tree");
  EXPECT_EQ(folder.GetSize(), 10u);
  dir.MakeFolder("tree/new");
  dir.WriteFile("tree/new/b", "12345");
  EXPECT_EQ(folder.GetSize(), 10u);

  ClearMeasurementCaches();
  EXPECT_EQ(folder.GetSize(), 15u);
  EXPECT_EQ(folder.CountFiles(), 2);
  EXPECT_EQ(folder.CountFolders(), 2);
}

TEST_F(Measurement, FolderSumsItsTreeAndCountsItsParts) {
  dir.WriteFile("f/ten", "0123456789");
  dir.MakeFolder("f/empty");
  FolderItem folder(dir / "f");
  EXPECT_EQ(folder.GetSize(), 10u);
  EXPECT_EQ(folder.CountFiles(), 1);
  EXPECT_EQ(folder.CountFolders(), 2);
  EXPECT_EQ(FolderItem(dir / "f/empty").GetSize(), 0u);
}

TEST_F(Measurement, SizesAreSixtyFourBit) {
  dir.MakeFolder("big");
  std::string path = dir.MakeSparse("big/five-gib", 5368709120ULL);
  dir.MakeSparse("big/one", 1);
  EXPECT_EQ(FileItem(path).GetSize(), 5368709120ULL);
  EXPECT_EQ(FolderItem(dir / "big").GetSize(), 5368709121ULL);
}

TEST_F(Measurement, DotEntriesAreNeverChildrenButDotNamesAre) {
  dir.WriteFile("d/.profile", "123");
  dir.WriteFile("d/...", "45");
  FolderItem folder(dir / "d");
  ASSERT_EQ(folder.GetChildren().size(), 2u);
  for (const auto& child : folder.GetChildren()) {
    std::string name = child->GetItemPath().GetName();
    EXPECT_TRUE(name == ".profile" || name == "...") << name;
  }
  EXPECT_EQ(folder.GetSize(), 5u);
}

TEST_F(Measurement, LinkCycleEndsAndCountsEveryFileOnce) {
  dir.WriteFile("loop/a/file", "1234");
  dir.MakeLink("loop/a/back", dir / "loop");
  dir.MakeLink("loop/self", ".");
  FolderItem folder(dir / "loop");
  EXPECT_EQ(folder.GetSize(), 4u);
  EXPECT_EQ(folder.CountFiles(), 1);

  ClearMeasurementCaches();
  EXPECT_EQ(folder.GetSize(), 4u) << "the rescan is guarded too";
}

TEST_F(Measurement, SpecialFilesMeasureZeroWithoutBeingOpened) {
  dir.WriteFile("t/real.mp3", "abc");
  dir.MakeFifo("t/pipe.mp3");
  dir.MakeFifo("t/pipe.wav");
  dir.MakeLink("t/gone", dir / "nothing");
  FolderItem folder(dir / "t");
  EXPECT_EQ(folder.GetSize(), 3u);
  EXPECT_EQ(folder.GetAudioLength(), 0.0);
  EXPECT_EQ(folder.CountFiles(), 3) << "a dangling link is not a file";
}

TEST_F(Measurement, MissingPathMeasuresZeroAndCachesNothing) {
  Candidate missing(dir / "does-not-exist");
  EXPECT_FALSE(missing.Exists());
  EXPECT_EQ(missing.GetSize(), 0u);
  EXPECT_EQ(missing.GetAudioLength(), 0.0);
  EXPECT_EQ(MeasurementCaches::Sizes().Count(), 0u);
  EXPECT_EQ(MeasurementCaches::AudioLengths().Count(), 0u);
}

TEST_F(Measurement, VanishedFileKeepsItsLastSize) {
  std::string path = dir.WriteFile("v", "123456");
  FileItem file(path);
  FileSystem::RemoveFile(path);
  ClearMeasurementCaches();
  EXPECT_EQ(file.GetSize(), 6u);
  EXPECT_FALSE(file.Exists());
}

TEST_F(Measurement, ReportsEachItemToAnOpenSizeDisplay) {
  std::string a = dir.WriteFile("r/a.wav", "x");
  std::string folderPath = dir / "r";
  FolderItem folder(folderPath);

  {
    test::RecordingDisplay display(ProgressChannel::Size());
    folder.GetSize();
    EXPECT_TRUE(display.calls.empty()) << "nothing is shown while no window is open";

    ClearMeasurementCaches();
    ProgressChannel::Size().Open(0, 0, 1);
    ProgressChannel::Size().Open(0, 0, 5);
    folder.GetSize();
    folder.GetSize();
    folder.GetAudioLength();
    ProgressChannel::Size().Step();
    ProgressChannel::Size().Close();
    ProgressChannel::Size().Step();
    ProgressChannel::Size().Close();

    std::vector<std::string> expected = {
        "open 1",
        "report " + folderPath + " 0",
        "report " + a + " 0",
        "report " + folderPath + " 0",  // a cache hit reports only the folder
        "report " + folderPath + " 10",
        "report " + a + " 10",
        "step",
        "close",
    };
    EXPECT_EQ(display.calls, expected);
  }
}

TEST_F(Measurement, WavLengthMeasuresItsSizeAsASizeReport) {
  std::string a = dir.WriteFile("a.wav", "x");
  FileItem file(a);
  test::RecordingDisplay display(ProgressChannel::Size());
  ProgressChannel::Size().Open(0, 0, 1);
  file.GetAudioLength();
  ProgressChannel::Size().Close();
  std::vector<std::string> expected = {"open 1", "report " + a + " 10", "close"};
  EXPECT_EQ(display.calls, expected) << "a 1-byte file has no header, so no size is taken";
}

TEST_F(Measurement, DeleteRemovesTheTreeButNotWhatLinksPointTo) {
  std::string keep = dir.WriteFile("outside/precious", "keep me");
  dir.WriteFile("tree/a", "1");
  dir.WriteFile("tree/sub/b", "2");
  dir.MakeLink("tree/sub/link-to-outside", dir / "outside");
  FolderItem tree(dir / "tree");
  test::RecordingDisplay display(ProgressChannel::Delete());
  ProgressChannel::Delete().Open(0, 0, 2);

  EXPECT_TRUE(tree.Delete());
  ProgressChannel::Delete().Close();

  EXPECT_FALSE(FileSystem::LookUp(dir / "tree").exists);
  EXPECT_TRUE(FileSystem::LookUp(keep).exists);
  std::vector<std::string> reported;
  for (const auto& call : display.calls) {
    if (call.rfind("report ", 0) == 0) reported.push_back(call);
  }
  std::sort(reported.begin(), reported.end());
  EXPECT_EQ(reported, (std::vector<std::string>{"report a 0", "report b 0"}));
  EXPECT_TRUE(tree.Delete()) << "a missing item counts as deleted";
}

TEST_F(Measurement, DeleteFailsWhenTheFolderGainedEntries) {
  dir.WriteFile("tree/a", "1");
  FolderItem tree(dir / "tree");
  dir.WriteFile("tree/late", "arrived after the scan");
  EXPECT_FALSE(tree.Delete());
  EXPECT_TRUE(FileSystem::LookUp(dir / "tree/late").exists);
}

}  // namespace
}  // namespace ostrel
