#include "platform/FileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ostrel {

FileReader::FileReader(const std::string& path, size_t bufferSize) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  // The entry may have been replaced between the two calls.
  if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd_);
    fd_ = -1;
  }
  if (fd_ < 0) return;
  size_ = static_cast<uint64_t>(st.st_size);
  buffer_.resize(bufferSize);
}

FileReader::~FileReader() {
  if (fd_ >= 0) close(fd_);
}

bool FileReader::Fill(uint64_t pos) {
  if (fd_ < 0) return false;
  ssize_t n;
  do {
    n = pread(fd_, buffer_.data(), buffer_.size(), static_cast<off_t>(pos));
  } while (n < 0 && errno == EINTR);
  bufferStart_ = pos;
  bufferLength_ = n > 0 ? static_cast<size_t>(n) : 0;
  return bufferLength_ > 0;
}

size_t FileReader::ReadAt(uint64_t pos, void* out, size_t n) {
  if (fd_ < 0) return 0;
  auto* dst = static_cast<uint8_t*>(out);
  size_t done = 0;
  while (done < n) {
    ssize_t got = pread(fd_, dst + done, n - done, static_cast<off_t>(pos + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

}  // namespace ostrel
