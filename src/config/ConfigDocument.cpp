#include "config/ConfigDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "config/ConfigTokenizer.h"
#include "platform/FileSystem.h"
#include "platform/Utf16Text.h"

namespace ostrel {

namespace {

// The program writes four levels; far deeper nesting is a damaged or
// hostile file, and refusing it keeps the recursive parser's stack small.
constexpr int kMaxDepth = 200;
// Larger files are not configuration files the program wrote.
constexpr off_t kMaxFileBytes = off_t{1} << 30;

bool IsPartOf(std::string_view token, std::string_view text) {
  return text.find(token) != std::string_view::npos;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : tokens_(text) {}

  bool Document(ConfigElement& root) {
    std::string_view t;
    return tokens_.Peek(0, t) && t == "<" && Element(root, 0);
  }

 private:
  bool Token(std::string_view& t) { return tokens_.Peek(0, t); }

  // Skips up to and including the next ">", or to the end.
  void SkipTag() {
    std::string_view t;
    while (tokens_.Peek(0, t)) {
      tokens_.Advance();
      if (t == ">") return;
    }
  }

  bool Element(ConfigElement& e, int depth) {
    std::string_view t;
    if (depth > kMaxDepth || !Token(t) || t != "<") return false;
    tokens_.Advance();
    if (!Token(t) || IsPartOf(t, "<?!=/>")) return false;
    e.SetName(std::string(t));
    tokens_.Advance();
    while (true) {  // inside the start tag
      if (!Token(t)) return false;
      if (t == "/") {
        SkipTag();
        return true;
      }
      if (IsPartOf(t, "?=")) return false;
      if (t == ">") {
        tokens_.Advance();
        break;
      }
      std::string name(t);
      tokens_.Advance();
      if (!Token(t) || t != "=") return false;
      tokens_.Advance();
      if (!Token(t) || IsPartOf(t, "<?!=/>")) return false;
      e.AddAttribute(ConfigAttribute(std::move(name), std::string(t)));
      tokens_.Advance();
    }
    while (true) {  // content
      std::string_view slash;
      std::string_view name;
      if (Token(t) && t == "<" && tokens_.Peek(1, slash) && slash == "/" && tokens_.Peek(2, name) &&
          name == e.GetName()) {
        SkipTag();
        return true;
      }
      if (!Token(t)) return false;
      if (t != "<") {
        e.SetValue(std::string(t));
        tokens_.Advance();
        continue;
      }
      auto child = std::make_unique<ConfigElement>();
      if (!Element(*child, depth + 1)) return false;
      e.AddChild(std::move(child));
    }
  }

  ConfigTokenizer tokens_;
};

bool ReadAll(const std::string& path, std::string& bytes) {
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxFileBytes;
  if (ok) {
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    bytes.resize(done);
  }
  close(fd);
  return ok;
}

// Over the file itself, for a folder that cannot take a temporary file:
// the old bytes are overwritten, then whatever is left of them cut off.
bool WriteInPlace(const std::string& path, const std::string& bytes) {
  int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = FileSystem::WriteAll(fd, bytes) &&
            ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
  return close(fd) == 0 && ok;
}

}  // namespace

ConfigDocument::ConfigDocument(const std::string& path)
    : path_(path), root_(std::make_unique<ConfigElement>("Config")) {}

bool ConfigDocument::Parse(std::string_view text) {
  root_ = std::make_unique<ConfigElement>("Config");
  if (Parser(text).Document(*root_)) return true;
  root_ = std::make_unique<ConfigElement>("Config");
  return false;
}

bool ConfigDocument::Load() {
  root_ = std::make_unique<ConfigElement>("Config");
  std::string bytes;
  return ReadAll(path_, bytes) && LoadFromBytes(bytes);
}

bool ConfigDocument::LoadFromBytes(std::string_view bytes) {
  if (bytes.size() % 2 != 0) {
    root_ = std::make_unique<ConfigElement>("Config");
    return false;
  }
  return Parse(Utf16Text::Decode(bytes));
}

// A configuration reached through a link is written where the link points,
// so the link stays.
bool ConfigDocument::Save() const {
  const std::string target = FileSystem::ResolveLinks(path_);
  const std::string bytes = Utf16Text::Encode(Serialize());
  std::string temp = target + ".XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return WriteInPlace(target, bytes);
  // mkstemp makes the file private; keep the old file's permissions instead.
  struct stat old;
  fchmod(fd, stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
  bool ok = FileSystem::WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace ostrel
