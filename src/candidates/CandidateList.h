#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "candidates/Candidate.h"
#include "candidates/CandidateItemList.h"

namespace ostrel {

// The candidates the program works on, in the list's sort order. The list
// owns them; Detach hands them over to a profile, AddExisting takes a
// profile's candidates back.
//
// Containment rule: no two candidates have the same full path and none lies
// within another. The full paths are also kept in a sorted index, so that
// adding checks a path against its ancestors and descendants instead of
// against every candidate.
class CandidateList : public CandidateItemList<Candidate> {
 public:
  CandidateList();
  ~CandidateList();
  CandidateList(const CandidateList&) = delete;
  CandidateList& operator=(const CandidateList&) = delete;

  std::vector<Candidate*> GetCandidates() const { return items_; }
  void ResetUsed();

  // True when the candidate was taken over: inserted, or dropped because a
  // candidate with its full path is listed already (candidate is then
  // empty). False when it lies within a listed candidate or one lies within
  // it; the caller keeps it.
  bool Add(std::unique_ptr<Candidate>& candidate);
  // Inserts every candidate that exists, without the containment rule; the
  // others are destroyed.
  void AddExisting(CandidateVector candidates);
  // Empties the list and hands the candidates over, in list order.
  CandidateVector Detach();
  // Takes the candidates at the given positions that are not used out of
  // the list, keeping the order of the rest; hands them over in list order.
  CandidateVector RemoveUnusedAt(const std::vector<size_t>& positions);
  // A listed candidate with that full path, or null.
  Candidate* FindByPath(std::string_view fullPath) const;

  // Replace candidates by their parts. ExpandAll and ExpandToFitSize leave
  // used candidates alone; ExpandToFitLength expands them too. The variants
  // with positions touch only the candidates at those positions.
  bool ExpandAll();
  bool ExpandAll(const std::vector<size_t>& positions);
  bool ExpandToFitSize(uint64_t limit);
  bool ExpandToFitSize(const std::vector<size_t>& positions, uint64_t limit);
  bool ExpandToFitLength(double limitSeconds);
  bool ExpandToFitLength(const std::vector<size_t>& positions, double limitSeconds);

 private:
  enum class Expansion { All, FitSize, FitLength };

  void Insert(std::unique_ptr<Candidate> candidate);
  void RebuildIndex();
  bool HasAncestor(const std::string& path) const;
  bool HasDescendant(const std::string& path) const;
  bool AddByListOrder(std::unique_ptr<Candidate>& candidate);
  bool Expand(Expansion kind, const std::vector<bool>& selected, uint64_t sizeLimit,
              double lengthLimit);
  std::vector<bool> Everything() const { return std::vector<bool>(items_.size(), true); }
  std::vector<bool> Selection(const std::vector<size_t>& positions) const;

  std::multimap<std::string, Candidate*, std::less<>> paths_;
};

}  // namespace ostrel
