#include "platform/HttpClient.h"

#include <curl/curl.h>

namespace ostrel {

namespace {

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

}  // namespace

HttpClient::HttpClient(const std::string& userAgent) {
  static const bool initialized = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!initialized) return;
  CURL* curl = curl_easy_init();
  if (curl == nullptr) return;
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 5L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  curl_ = curl;
  headers_ = headers;
}

HttpClient::~HttpClient() {
  if (curl_ != nullptr) curl_easy_cleanup(static_cast<CURL*>(curl_));
  curl_slist_free_all(static_cast<curl_slist*>(headers_));
}

bool HttpClient::Get(const std::string& url) {
  if (curl_ == nullptr) return false;
  CURL* curl = static_cast<CURL*>(curl_);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  return curl_easy_perform(curl) == CURLE_OK;
}

}  // namespace ostrel
