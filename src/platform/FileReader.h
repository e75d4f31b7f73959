#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ostrel {

// Reads a regular file through a buffer, at any position. Anything that is
// not a regular file (a FIFO would block, a device may have side effects)
// is never opened and reads as absent.
class FileReader {
 public:
  explicit FileReader(const std::string& path, size_t bufferSize = 256 * 1024);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  uint64_t Size() const { return size_; }

  // The byte at pos; false at the end of the file or on a read error.
  bool ByteAt(uint64_t pos, uint8_t& byte) {
    if (pos - bufferStart_ < bufferLength_) {
      byte = buffer_[pos - bufferStart_];
      return true;
    }
    return Fill(pos) && (byte = buffer_[0], true);
  }
  // Reads up to n bytes at pos; returns how many were read.
  size_t ReadAt(uint64_t pos, void* out, size_t n);

 private:
  bool Fill(uint64_t pos);

  int fd_ = -1;
  uint64_t size_ = 0;
  std::vector<uint8_t> buffer_;
  uint64_t bufferStart_ = 0;
  size_t bufferLength_ = 0;
};

}  // namespace ostrel
