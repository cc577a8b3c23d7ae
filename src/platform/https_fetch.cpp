#include "platform/https_fetch.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {

constexpr const char* kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

struct Body {
  std::string bytes;
  std::size_t limit;
};

std::size_t TakeBody(char* data, std::size_t size, std::size_t count, void* context) {
  auto& body = *static_cast<Body*>(context);
  const std::size_t length = size * count;
  const std::size_t room = body.limit - std::min(body.limit, body.bytes.size());
  body.bytes.append(data, std::min(length, room));
  return length <= room ? length : 0;  // 0 ends the transfer once the limit is reached
}

}  // namespace

std::string HttpsFetch(const HttpsFetchOptions& options) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return {};
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr, &curl_slist_free_all);
  for (const char* header : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"})
    headers.reset(curl_slist_append(headers.release(), header));

  Body body{{}, options.bodyLimit};
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, options.url.c_str());
  curl_easy_setopt(handle, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(handle, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!options.caFile.empty()) curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str());
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count()));
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(options.totalTimeout.count()));
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &TakeBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
  curl_easy_perform(handle);  // whatever arrived counts, whatever the outcome
  return body.bytes;
}
