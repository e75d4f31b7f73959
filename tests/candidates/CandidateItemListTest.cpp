#include <gtest/gtest.h>

#include <map>

#include "candidates/Candidate.h"
#include "candidates/CandidateItemList.h"
#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

// Candidates over real files; each is labelled by a letter so that orders
// read as short strings.
class ListFixture : public ::testing::Test {
 protected:
  struct Spec {
    char label;
    const char* path;
    int size;
    int group;
    bool required;
    bool used;
    int resultSet;
  };

  void SetUp() override {
    ClearMeasurementCaches();
    const Spec specs[] = {
        {'a', "x/Beta.txt", 30, 2, false, true, 1},
        {'b', "y/alpha.txt", 10, 0, true, false, -1},
        {'c', "x/alpha.txt", 20, 1, false, true, 0},
        {'d', "y/sub/Gamma.txt", 10, 0, false, false, -1},
        {'e', "x/Alpha.txt", 20, 1, false, true, 0},
    };
    for (const Spec& s : specs) {
      size_t slash = std::string(s.path).rfind('/');
      dir.MakeFolder(std::string(s.path).substr(0, slash));
      dir.MakeSparse(s.path, s.size);
      auto c = std::make_unique<Candidate>(dir / s.path);
      c->SetOriginalPath(dir.Path());
      c->SetGroup(s.group);
      c->SetRequired(s.required);
      c->SetUsed(s.used);
      c->SetResultSet(s.resultSet);
      labels[c.get()] = s.label;
      owned.push_back(std::move(c));
    }
  }

  std::string Order(const CandidateItemList<Candidate>& list) {
    std::string order;
    for (Candidate* c : list.GetItems()) order += labels[c];
    return order;
  }

  struct List : CandidateItemList<Candidate> {
    explicit List(const SortKeyTable& keys) : CandidateItemList(keys) {}
    void Fill(const CandidateVector& candidates) {
      for (const auto& c : candidates) items_.push_back(c.get());
    }
  };

  test::TempDir dir;
  CandidateVector owned;
  std::map<const Candidate*, char> labels;
};

TEST_F(ListFixture, EveryCandidateKeyBothWaysKeepsTiesInOrder) {
  struct Case {
    int key;
    const char* ascending;
    const char* descending;
  } cases[] = {
      {0, "abcde", "abcde"},
      {10, "cbead", "dabce"},  // names differing in case tie; equal names
                               // go by full path
      {20, "acebd", "dbace"},
      {30, "acebd", "dbace"},
      {40, "bdcea", "acebd"},
      {50, "abcde", "abcde"},
      {60, "bdcea", "acebd"},
      {70, "acdeb", "bacde"},
      {80, "bdace", "acebd"},
      {90, "bdcea", "acebd"},
  };
  for (const Case& c : cases) {
    List list(kCandidateListSortKeys);
    list.Fill(owned);
    ASSERT_TRUE(list.SetSortKey(c.key, false)) << c.key;
    EXPECT_EQ(Order(list), c.ascending) << "key " << c.key;
    ASSERT_TRUE(list.SetSortKey(c.key, true));
    EXPECT_TRUE(list.IsDescending() || c.key == 0);
    EXPECT_EQ(Order(list), c.descending) << "key " << c.key << " descending";
  }
}

TEST_F(ListFixture, ToggleFlipsOnlyTheCurrentKey) {
  List list(kCandidateListSortKeys);
  list.Fill(owned);
  list.SetSortKey(40, true);
  EXPECT_FALSE(list.IsDescending());
  list.SetSortKey(40, true);
  EXPECT_TRUE(list.IsDescending());
  list.SetSortKey(40, false);
  EXPECT_TRUE(list.IsDescending()) << "re-sorting by the current key keeps the direction";
  EXPECT_EQ(Order(list), "acebd");
  list.SetSortKey(10, true);
  EXPECT_FALSE(list.IsDescending()) << "another key sorts ascending";
  EXPECT_EQ(list.GetSortKey(), 10);
}

TEST_F(ListFixture, RefusedKeysChangeNothing) {
  List candidates(kCandidateListSortKeys);
  List resultSet(kResultSetSortKeys);
  candidates.Fill(owned);
  resultSet.Fill(owned);
  candidates.SetSortKey(40, false);
  for (int key : {-10, 5, 100}) EXPECT_FALSE(candidates.SetSortKey(key, false)) << key;
  for (int key : {30, 80, 90}) EXPECT_FALSE(resultSet.SetSortKey(key, false)) << key;
  EXPECT_EQ(candidates.GetSortKey(), 40);
  EXPECT_EQ(Order(candidates), "bdcea");
}

TEST_F(ListFixture, ResultSetKeysMeanTheirOwnFields) {
  List list(kResultSetSortKeys);
  list.Fill(owned);
  struct Case {
    int key;
    const char* ascending;
  } cases[] = {{20, "ceabd"}, {40, "ceabd"}, {50, "bdcea"}, {70, "bdcea"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(list.SetSortKey(c.key, false));
    EXPECT_EQ(Order(list), c.ascending) << "key " << c.key;
  }
}

TEST_F(ListFixture, InsertSortedGoesAfterTiesAndAppendsUnsorted) {
  List list(kCandidateListSortKeys);
  EXPECT_EQ(list.InsertSorted(owned[2].get()), 0u) << "into an empty list";
  EXPECT_EQ(list.InsertSorted(owned[0].get()), 1u) << "unsorted lists append";
  list.SetSortKey(40, false);
  EXPECT_EQ(Order(list), "ca");
  EXPECT_EQ(list.InsertSorted(owned[4].get()), 1u) << "after the tie of size 20";
  EXPECT_EQ(list.InsertSorted(owned[1].get()), 0u);
  list.SetSortKey(40, true);
  EXPECT_EQ(Order(list), "aceb");
  EXPECT_EQ(list.InsertSorted(owned[3].get()), 4u);
  EXPECT_EQ(Order(list), "acebd");
}

}  // namespace
}  // namespace ostrel
