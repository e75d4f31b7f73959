#include <gtest/gtest.h>

#include <set>

#include "candidates/CandidateList.h"
#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

class List : public ::testing::Test {
 protected:
  void SetUp() override { ClearMeasurementCaches(); }

  bool Add(const std::string& relative) {
    auto c = std::make_unique<Candidate>(dir / relative);
    bool taken = list.Add(c);
    EXPECT_EQ(taken, c == nullptr) << "taken over exactly when accepted: " << relative;
    return taken;
  }

  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (Candidate* c : list.GetCandidates()) {
      paths.push_back(c->GetFullPath().empty() ? "<none>"
                                               : c->GetFullPath().substr(dir.Path().size() + 1));
    }
    return paths;
  }

  std::multiset<std::string> PathSet() const {
    auto p = Paths();
    return {p.begin(), p.end()};
  }

  test::TempDir dir;
  CandidateList list;
};

TEST_F(List, ContainmentRule) {
  dir.WriteFile("A/B/c.txt", "x");
  dir.WriteFile("AB/d.txt", "x");
  dir.WriteFile("other/e.txt", "x");
  struct Step {
    const char* path;
    bool taken;
  } steps[] = {
      {"A/B", true},      {"A", false},       {"A/B/c.txt", false},  {"A/B", true},    {"AB", true},
      {"missing1", true}, {"missing2", true}, {"other/e.txt", true}, {"other", false},
  };
  for (const Step& s : steps) EXPECT_EQ(Add(s.path), s.taken) << s.path;
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A/B", "AB", "<none>", "other/e.txt"}))
      << "a duplicate is dropped; a second missing path duplicates the first";
}

TEST_F(List, FindsListedCandidatesByPath) {
  dir.WriteFile("x", "1");
  Add("x");
  EXPECT_EQ(list.FindByPath(dir / "x"), list.GetAt(0));
  EXPECT_EQ(list.FindByPath(dir / "y"), nullptr);
  list.ExpandAll();
  EXPECT_EQ(list.FindByPath(dir / "x"), list.GetAt(0)) << "the index follows the expansion";
}

TEST_F(List, NothingIsWithinAMissingCandidate) {
  dir.WriteFile("x/f", "1");
  EXPECT_TRUE(Add("missing"));
  EXPECT_TRUE(Add("x"));
  EXPECT_TRUE(Add("x/../y-missing"));
  EXPECT_EQ(list.Count(), 2u);
}

TEST_F(List, BrokenListIsJudgedInListOrder) {
  dir.WriteFile("a/b/f", "1");
  CandidateVector loaded;
  loaded.push_back(std::make_unique<Candidate>(dir / "a"));
  loaded.push_back(std::make_unique<Candidate>(dir / "a/b"));
  list.AddExisting(std::move(loaded));
  EXPECT_FALSE(Add("a/b")) << "a/b lies within a, which comes first";
}

TEST_F(List, AddExistingDetachAndResetUsed) {
  dir.WriteFile("one", "1");
  dir.WriteFile("two", "22");
  CandidateVector loaded;
  loaded.push_back(std::make_unique<Candidate>(dir / "two"));
  loaded.push_back(std::make_unique<Candidate>(dir / "gone"));
  loaded.push_back(std::make_unique<Candidate>(dir / "one"));
  loaded[0]->SetUsed(true);
  loaded[0]->SetResultSet(3);
  list.SetSortKey(40, false);
  list.AddExisting(std::move(loaded));
  EXPECT_EQ(Paths(), (std::vector<std::string>{"one", "two"})) << "inserted by size";

  list.ResetUsed();
  EXPECT_FALSE(list.GetAt(1)->IsUsed());
  EXPECT_EQ(list.GetAt(1)->GetResultSet(), -1);

  CandidateVector detached = list.Detach();
  EXPECT_EQ(list.Count(), 0u);
  ASSERT_EQ(detached.size(), 2u);
  EXPECT_EQ(detached[0]->GetFullPath(), dir / "one");
  EXPECT_TRUE(Add("one")) << "the index was emptied with the list";
}

TEST_F(List, ExpandToFitMedia) {
  dir.MakeSparse("music/one/a", 450);
  dir.MakeSparse("music/two/b", 450);
  dir.MakeSparse("music/huge.iso", 1000);
  dir.MakeSparse("small/c", 10);
  Add("music");
  Add("small");
  EXPECT_TRUE(list.ExpandToFitSize(700));
  EXPECT_EQ(PathSet(),
            (std::multiset<std::string>{"music/one", "music/two", "music/huge.iso", "small"}));
  for (Candidate* c : list.GetCandidates()) {
    EXPECT_EQ(c->GetOriginalPath().GetFullPath(), dir.Path());
  }
  EXPECT_FALSE(Add("music/one/a")) << "the parts keep the containment index";
}

TEST_F(List, ExpandAllGivesFilesAndEmptyFolders) {
  dir.WriteFile("t/f1", "1");
  dir.MakeFolder("t/empty");
  dir.MakeFolder("only/e1");
  dir.MakeFolder("only/e2");
  dir.MakeFolder("nothing");
  Add("t");
  Add("only");
  Add("nothing");
  list.ExpandAll();
  EXPECT_EQ(PathSet(),
            (std::multiset<std::string>{"t/f1", "t/empty", "only/e1", "only/e2", "nothing"}));
}

TEST_F(List, UsedCandidatesExpandOnlyToFitALength) {
  dir.MakeSparse("used/a", 10);
  dir.MakeSparse("used/b", 10);
  Add("used");
  list.GetAt(0)->SetUsed(true);
  list.GetAt(0)->SetResultSet(0);
  list.ExpandAll();
  list.ExpandToFitSize(5);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"used"}));
  list.ExpandToFitLength(-1.0);
  EXPECT_EQ(PathSet(), (std::multiset<std::string>{"used/a", "used/b"}));
  for (Candidate* c : list.GetCandidates()) EXPECT_FALSE(c->IsUsed());
}

TEST_F(List, ExpansionOfSelectedPositionsKeepsSortOrder) {
  dir.MakeSparse("z/big", 300);
  dir.MakeSparse("z/small", 100);
  dir.MakeSparse("m/mid", 200);
  dir.MakeSparse("y/tiny", 50);
  Add("z");
  Add("m");
  Add("y");
  list.SetSortKey(40, false);
  list.SetSortKey(40, true);
  ASSERT_EQ(Paths(), (std::vector<std::string>{"z", "m", "y"}));
  list.ExpandAll(std::vector<size_t>{0, 7});
  EXPECT_EQ(Paths(), (std::vector<std::string>{"z/big", "m", "z/small", "y"}));
  EXPECT_TRUE(list.IsDescending());
}

}  // namespace
}  // namespace ostrel
