#include "search/ResultSetItem.h"

namespace ostrel {

ResultSetItem::ResultSetItem(const Candidate& candidate)
    : CandidateItem(FsItem::Create(candidate.GetFullPath()), candidate.GetOriginalPath(),
                    candidate.GetGroup()) {}

}  // namespace ostrel
