#include "candidates/FsItem.h"

#include "candidates/FileItem.h"
#include "candidates/FolderItem.h"
#include "candidates/MeasurementCaches.h"
#include "platform/DosAttributes.h"
#include "platform/FileSystem.h"

namespace ostrel {

FsItem::FsItem(std::string_view path) : path_(path), generation_(0), exists_(0) {
  FsItem::Refresh();
}

FsItem::FsItem(ItemPath path, const FileStatus& status)
    : path_(std::move(path)), generation_(0), exists_(0) {
  TakeFindData(status);
}

std::unique_ptr<FsItem> FsItem::Create(std::string_view path) {
  FsItem found(path);
  if (!found.Exists()) return nullptr;
  if (found.IsFolder()) return std::make_unique<FolderItem>(found);
  return std::make_unique<FileItem>(found);
}

uint64_t FsItem::GetSize() { return 0; }

double FsItem::GetAudioLength() { return 0.0; }

int FsItem::CountFiles() const { return 0; }

int FsItem::CountFolders() const { return 0; }

FsItemVector FsItem::GetContents() const {
  FsItemVector contents;
  if (auto item = Create(GetFullPath())) contents.push_back(std::move(item));
  return contents;
}

FsItemVector FsItem::ExpandToFitSize(uint64_t) { return GetContents(); }

FsItemVector FsItem::ExpandToFitLength(double) { return GetContents(); }

bool FsItem::Delete() { return false; }

void FsItem::Refresh() {
  FileStatus status = FileSystem::LookUp(GetFullPath());
  if (status.exists) {
    TakeFindData(status);
  } else {
    SetExists(false);
    MarkCurrent();
  }
}

bool FsItem::IsFile() const { return exists_ && !(attributes_ & DosAttributes::kDirectory); }

bool FsItem::IsFolder() const { return exists_ && (attributes_ & DosAttributes::kDirectory); }

uint32_t FsItem::GetAttributes() const { return Exists() ? DosAttributes::Read(GetFullPath()) : 0; }

bool FsItem::SetAttributes(uint32_t bits) const {
  return Exists() && DosAttributes::Write(GetFullPath(), bits);
}

void FsItem::TakeFindData(const FileStatus& status) {
  exists_ = status.exists;
  if (status.exists) {
    size_ = status.size;
    attributes_ = DosAttributes::Derive(path_.GetNameView(), status);
  }
  MarkCurrent();
}

void FsItem::SetExists(bool exists) { exists_ = exists; }

bool FsItem::IsCurrent() const { return generation_ == MeasurementCaches::Generation(); }

void FsItem::MarkCurrent() { generation_ = MeasurementCaches::Generation(); }

}  // namespace ostrel
