#include "candidates/FolderItem.h"

#include <cerrno>

#include "candidates/FileItem.h"
#include "candidates/MeasurementCaches.h"
#include "platform/DirectoryReader.h"
#include "platform/FileSystem.h"

namespace ostrel {

namespace {

// The child as a folder when it is one; a child that vanished is neither a
// folder nor a file, and a link back to a folder on the scan path stands
// for nothing of its own.
FolderItem* AsFolder(FsItem& child) {
  auto* folder = dynamic_cast<FolderItem*>(&child);
  return folder != nullptr && folder->IsFolder() && !folder->IsCycle() ? folder : nullptr;
}

bool IsPlainFile(const FsItem& child) {
  return child.Exists() && dynamic_cast<const FolderItem*>(&child) == nullptr;
}

}  // namespace

FolderItem::FolderItem(std::string_view path) : FsItem(path) {
  if (Exists()) Rescan();
}

FolderItem::FolderItem(const FsItem& other) : FsItem(other) { Refresh(); }

FolderItem::FolderItem(ItemPath path, const FileStatus& status) : FsItem(std::move(path), status) {}

FolderItem::~FolderItem() = default;

void FolderItem::Refresh() {
  SetExists(FileSystem::LookUp(GetFullPath()).exists);
  children_.clear();
  if (Exists()) Rescan();
  MarkCurrent();
}

// The scan path starts with the folders above this one, so that a link
// back to any of them is cut wherever the scan starts: a folder measures
// the same whether it was scanned as a candidate or inside its parent.
void FolderItem::Rescan() {
  std::vector<FolderId> ancestors;
  for (std::string_view up = ItemPath::CutAtLastSeparator(GetFullPath()); !up.empty();
       up = ItemPath::CutAtLastSeparator(up)) {
    FileStatus status = FileSystem::LookUp(std::string(up));
    if (status.exists) ancestors.emplace_back(status.device, status.inode);
  }
  Scan(ancestors);
}

// The folder is listed completely and closed before its sub-folders are
// entered, so a scan holds one descriptor however deep the tree is.
// Entries that cannot be looked up (dangling links, entries removed while
// listing) do not exist and are left out.
void FolderItem::Scan(std::vector<FolderId>& ancestors) {
  cycle_ = false;
  {
    DirectoryReader reader(GetFullPath());
    if (!reader.IsOpen()) return;
    FolderId self{reader.Self().device, reader.Self().inode};
    for (const FolderId& id : ancestors) {
      if (id == self) {
        cycle_ = true;
        return;
      }
    }
    ancestors.push_back(self);
    DirectoryEntry entry;
    while (reader.Next(entry)) {
      if (!entry.status.exists) continue;
      ItemPath path = ItemPath::Child(GetItemPath(), entry.name);
      if (entry.status.IsDirectory()) {
        children_.push_back(std::unique_ptr<FsItem>(new FolderItem(std::move(path), entry.status)));
      } else {
        children_.push_back(std::make_unique<FileItem>(std::move(path), entry.status));
      }
    }
  }
  // Every child that is a folder here was built as a FolderItem just above.
  for (auto& child : children_) {
    if (child->IsFolder()) static_cast<FolderItem&>(*child).Scan(ancestors);
  }
  ancestors.pop_back();
}

template <typename Value, typename Measure>
Value FolderItem::SumOfChildren(Measure measure) {
  if (!IsCurrent()) Refresh();
  Value sum{};
  for (auto& child : children_) sum += measure(*child);
  return sum;
}

uint64_t FolderItem::GetSize() {
  return MeasurementCaches::Measure(
      GetFullPath(), MeasureKind::Size, MeasurementCaches::Sizes(),
      [this] { return SumOfChildren<uint64_t>([](FsItem& child) { return child.GetSize(); }); });
}

double FolderItem::GetAudioLength() {
  return MeasurementCaches::Measure(
      GetFullPath(), MeasureKind::AudioLength, MeasurementCaches::AudioLengths(), [this] {
        return SumOfChildren<double>([](FsItem& child) { return child.GetAudioLength(); });
      });
}

int FolderItem::CountFiles() const {
  int count = 0;
  for (const auto& child : children_) count += child->CountFiles();
  return count;
}

int FolderItem::CountFolders() const {
  int count = 1;
  for (const auto& child : children_) count += child->CountFolders();
  return count;
}

FsItemVector FolderItem::GetContents() const {
  FsItemVector contents;
  for (const auto& child : children_) {
    if (IsPlainFile(*child)) {
      contents.push_back(std::make_unique<FileItem>(child->GetFullPath()));
    } else if (FolderItem* folder = AsFolder(*child)) {
      if (folder->CountFiles() == 0) {
        contents.push_back(std::make_unique<FolderItem>(folder->GetFullPath()));
      } else {
        for (auto& item : folder->GetContents()) contents.push_back(std::move(item));
      }
    }
  }
  return contents;
}

template <typename Measure, typename Limit>
FsItemVector FolderItem::ExpandToFit(Measure measure, Limit limit) {
  FsItemVector contents;
  if (measure(*this) <= limit) {
    contents.push_back(std::make_unique<FolderItem>(GetFullPath()));
    return contents;
  }
  for (auto& child : children_) {
    if (IsPlainFile(*child)) {
      contents.push_back(std::make_unique<FileItem>(child->GetFullPath()));
    } else if (FolderItem* folder = AsFolder(*child)) {
      for (auto& item : folder->ExpandToFit(measure, limit)) contents.push_back(std::move(item));
    }
  }
  return contents;
}

FsItemVector FolderItem::ExpandToFitSize(uint64_t limit) {
  return ExpandToFit([](FsItem& item) { return item.GetSize(); }, limit);
}

FsItemVector FolderItem::ExpandToFitLength(double limitSeconds) {
  return ExpandToFit([](FsItem& item) { return item.GetAudioLength(); }, limitSeconds);
}

// A folder that is a link is removed as a link: deleting through it would
// destroy files outside the tree the user chose.
bool FolderItem::Delete() {
  if (!Exists()) return true;
  if (FileSystem::IsLink(GetFullPath())) {
    int error = FileSystem::RemoveFile(GetFullPath());
    return error == 0 || error == ENOENT;
  }
  for (auto& child : children_) {
    if (!child->Delete()) return false;
  }
  int error = FileSystem::RemoveFolder(GetFullPath());
  if (error != 0 && error != ENOENT) return false;
  SetExists(false);
  return true;
}

}  // namespace ostrel
