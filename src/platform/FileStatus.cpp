#include "platform/FileStatus.h"

#include <sys/stat.h>

namespace ostrel {

bool FileStatus::IsDirectory() const { return exists && S_ISDIR(mode); }

bool FileStatus::IsRegular() const { return exists && S_ISREG(mode); }

}  // namespace ostrel
