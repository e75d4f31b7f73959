#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "candidates/Candidate.h"
#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

std::string WavHeader(uint32_t sampleRate, uint16_t blockAlign) {
  std::string h(44, '\0');
  h.replace(0, 4, "RIFF");
  h.replace(8, 4, "WAVE");
  h.replace(12, 4, "fmt ");
  for (int i = 0; i < 4; ++i) h[24 + i] = static_cast<char>(sampleRate >> (8 * i));
  h[32] = static_cast<char>(blockAlign);
  h[33] = static_cast<char>(blockAlign >> 8);
  return h;
}

class Expansion : public ::testing::Test {
 protected:
  void SetUp() override { ClearMeasurementCaches(); }

  // The relative paths of the candidates, sorted: listing order is the
  // file system's and not part of the contract.
  std::multiset<std::string> Relative(const CandidateVector& parts) const {
    std::multiset<std::string> names;
    for (const auto& p : parts) names.insert(p->GetFullPath().substr(dir.Path().size() + 1));
    return names;
  }

  test::TempDir dir;
};

TEST_F(Expansion, ContentsAreFilesAndFoldersWithoutFiles) {
  dir.WriteFile("top/a.txt", "1");
  dir.WriteFile("top/sub/deeper/b.txt", "2");
  dir.MakeFolder("top/empty");
  dir.MakeFolder("top/onlyEmpty/e1");
  dir.MakeFolder("top/onlyEmpty/e2");
  Candidate top(dir / "top");
  top.SetGroup(5);

  CandidateVector parts = top.GetContents();
  EXPECT_EQ(Relative(parts), (std::multiset<std::string>{"top/a.txt", "top/sub/deeper/b.txt",
                                                         "top/empty", "top/onlyEmpty"}));
  for (const auto& p : parts) {
    EXPECT_EQ(p->GetOriginalPath(), top.GetOriginalPath());
    EXPECT_EQ(p->GetGroup(), 5);
    EXPECT_FALSE(p->IsRequired());
    EXPECT_FALSE(p->IsUsed());
    EXPECT_EQ(p->GetResultSet(), -1);
  }
}

TEST_F(Expansion, FolderOfEmptyFoldersExpandsIntoThem) {
  dir.MakeFolder("only/e1");
  dir.MakeFolder("only/e2");
  dir.MakeFolder("nothing");
  EXPECT_EQ(Relative(Candidate(dir / "only").GetContents()),
            (std::multiset<std::string>{"only/e1", "only/e2"}));
  EXPECT_TRUE(Candidate(dir / "nothing").GetContents().empty());
}

// A link back to a folder on the scan path measures nothing wherever the
// scan starts: expansion never makes it a candidate, and the parts measure
// what the whole did, before and after the caches are cleared.
TEST_F(Expansion, LinksToAnAncestorAddNothing) {
  dir.WriteFile("t/a/x", std::string(1000, 'x'));
  dir.WriteFile("t/a/sub/y", std::string(500, 'y'));
  dir.MakeLink("t/a/sub/loop", dir / "t/a");
  dir.MakeLink("t/a/hollow/back", dir / "t");
  const std::string root = dir / "t/a";
  auto total = [](const CandidateVector& parts) {
    uint64_t sum = 0;
    for (const auto& p : parts) sum += p->GetSize();
    return sum;
  };
  Candidate whole(root);
  EXPECT_EQ(whole.GetSize(), 1500u);
  struct Case {
    const char* kind;
    std::function<CandidateVector()> expand;
    std::multiset<std::string> parts;
  };
  const Case cases[] = {
      {"all", [&] { return whole.GetContents(); }, {"t/a/hollow", "t/a/sub/y", "t/a/x"}},
      {"fit", [&] { return whole.ExpandToFitSize(600); }, {"t/a/hollow", "t/a/sub", "t/a/x"}},
  };
  for (const Case& c : cases) {
    ClearMeasurementCaches();
    CandidateVector parts = c.expand();
    EXPECT_EQ(Relative(parts), c.parts) << c.kind;
    EXPECT_EQ(total(parts), 1500u) << c.kind;
    ClearMeasurementCaches();
    EXPECT_EQ(total(parts), 1500u) << c.kind << ", after the caches were cleared";
  }
  Candidate loop(dir / "t/a/sub/loop");
  EXPECT_EQ(loop.GetSize(), 0u) << "a candidate that is itself a link to its ancestor";
  EXPECT_TRUE(loop.GetContents().empty());
}

TEST_F(Expansion, FileExpandsIntoItself) {
  std::string path = dir.WriteFile("f.bin", "abc");
  Candidate file(path);
  file.SetRequired(true);
  for (const CandidateVector& parts :
       {file.GetContents(), file.ExpandToFitSize(1), file.ExpandToFitLength(1.0)}) {
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0]->GetFullPath(), path);
    EXPECT_TRUE(parts[0]->IsRequired());
  }
}

TEST_F(Expansion, FitSizeSplitsOnlyWhatIsTooLarge) {
  dir.MakeFolder("big/one");
  dir.MakeFolder("big/two");
  dir.MakeSparse("big/one/a", 450);
  dir.MakeSparse("big/two/b", 450);
  dir.MakeSparse("big/huge", 1000);
  dir.MakeSparse("fits/c", 100);
  EXPECT_EQ(Relative(Candidate(dir / "big").ExpandToFitSize(700)),
            (std::multiset<std::string>{"big/one", "big/two", "big/huge"}));
  EXPECT_EQ(Relative(Candidate(dir / "fits").ExpandToFitSize(100)),
            (std::multiset<std::string>{"fits"}));
  EXPECT_EQ(Relative(Candidate(dir / "big").ExpandToFitSize(400)),
            (std::multiset<std::string>{"big/one/a", "big/two/b", "big/huge"}));
}

TEST_F(Expansion, FitLengthSplitsByPlayingTime) {
  std::string second = WavHeader(44100, 4) + std::string(176412 - 44, '\0');
  dir.WriteFile("album/cd1/t1.wav", second);
  dir.WriteFile("album/cd1/t2.wav", second);
  dir.WriteFile("album/cd2/t3.wav", second);
  dir.WriteFile("album/notes.txt", "liner notes");
  Candidate album(dir / "album");
  EXPECT_DOUBLE_EQ(album.GetAudioLength(), 3.0);
  EXPECT_EQ(Relative(album.ExpandToFitLength(2.0)),
            (std::multiset<std::string>{"album/cd1", "album/cd2", "album/notes.txt"}));
  EXPECT_EQ(Relative(album.ExpandToFitLength(3.0)), (std::multiset<std::string>{"album"}));
}

}  // namespace
}  // namespace ostrel
