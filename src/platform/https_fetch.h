#pragma once

#include <chrono>
#include <cstddef>
#include <string>

struct HttpsFetchOptions {
  std::string url;     // sent exactly as given, without re-encoding
  std::string caFile;  // CA bundle to trust instead of the system's; empty: the system's
  std::chrono::milliseconds connectTimeout{10'000};
  std::chrono::milliseconds totalTimeout{30'000};
  std::size_t bodyLimit = 1024 * 1024;  // what a server sends beyond this is not taken
};

// One GET of the address with the request of the version check: HTTP/1.0, the agent text
// of the program, any content type, no cached copy used or kept. Yields the response body
// whatever the status; what arrived before a failure part-way; nothing when the request
// could not be made.
std::string HttpsFetch(const HttpsFetchOptions& options);
