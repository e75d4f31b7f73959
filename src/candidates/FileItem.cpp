#include "candidates/FileItem.h"

#include <cerrno>
#include <ctime>

#include "candidates/MeasurementCaches.h"
#include "candidates/Mp3Length.h"
#include "candidates/ProgressChannel.h"
#include "candidates/TextCompare.h"
#include "candidates/WavLength.h"
#include "platform/FileSystem.h"

namespace ostrel {

FileItem::FileItem(std::string_view path) : FsItem(path) {}

FileItem::FileItem(const FsItem& other) : FsItem(other) {}

FileItem::FileItem(ItemPath path, const FileStatus& status) : FsItem(std::move(path), status) {}

uint64_t FileItem::GetSize() {
  return MeasurementCaches::Measure(GetFullPath(), MeasureKind::Size, MeasurementCaches::Sizes(),
                                    [this] {
                                      if (!IsCurrent()) Refresh();
                                      return GetFindSize();
                                    });
}

double FileItem::GetAudioLength() {
  return MeasurementCaches::Measure(GetFullPath(), MeasureKind::AudioLength,
                                    MeasurementCaches::AudioLengths(), [this] {
                                      if (HasExtension(".mp3") || HasExtension(".mpeg3")) {
                                        return Mp3Length(GetFullPath());
                                      }
                                      if (HasExtension(".wav") || HasExtension(".wave")) {
                                        return WavLength(*this);
                                      }
                                      return 0.0;
                                    });
}

int FileItem::CountFiles() const { return 1; }

FsItemVector FileItem::GetContents() const {
  FsItemVector contents;
  contents.push_back(std::make_unique<FileItem>(GetFullPath()));
  return contents;
}

FsItemVector FileItem::ExpandToFitSize(uint64_t) { return GetContents(); }

FsItemVector FileItem::ExpandToFitLength(double) { return GetContents(); }

bool FileItem::Delete() {
  if (!Exists()) return true;
  int error = FileSystem::RemoveFile(GetFullPath());
  if (error != 0 && error != ENOENT) return false;
  SetExists(false);
  ProgressChannel::Delete().Report(GetItemPath().GetName());
  return true;
}

bool FileItem::GetFileTimes(FileTimes& times) const {
  FileTimes read;
  if (!IsFile() || !FileSystem::ReadTimes(GetFullPath(), read)) return false;
  times = read;
  return true;
}

bool FileItem::SetFileTimes(const FileTimes& times) const {
  return !IsFile() || FileSystem::WriteTimes(GetFullPath(), times);
}

std::optional<int64_t> FileItem::GetModifiedTime() const {
  FileTimes times;
  if (!FileSystem::ReadTimes(GetFullPath(), times)) return std::nullopt;
  int64_t ns = times.lastWrite;
  time_t seconds = static_cast<time_t>(ns / 1000000000 - (ns % 1000000000 < 0 ? 1 : 0));
  struct tm local;
  if (localtime_r(&seconds, &local) == nullptr) return std::nullopt;
  local.tm_isdst = -1;
  return static_cast<int64_t>(mktime(&local));
}

bool FileItem::HasExtension(std::string_view ext) const {
  std::string_view path = GetFullPath();
  return path.size() >= ext.size() && EqualNoCase(path.substr(path.size() - ext.size()), ext);
}

}  // namespace ostrel
