#pragma once

#include <string>

namespace ostrel {

// A plain HTTP client session over libcurl: direct connection (no proxy),
// nothing cached, 5 seconds to connect and 10 in all per request. The
// response is read and dropped; only whether the request went through
// counts.
class HttpClient {
 public:
  explicit HttpClient(const std::string& userAgent);
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  bool IsOpen() const { return curl_ != nullptr; }
  bool Get(const std::string& url);

 private:
  void* curl_ = nullptr;
  void* headers_ = nullptr;
};

}  // namespace ostrel
