// The visitor text load on arbitrary file bytes, and the saved form coming back unchanged.
#include <cstdlib>

#include "store/visitor_text.h"
#include "text/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const Text text = VisitorTextOfFile(bytes);
  if (text.size() > bytes.size() || text.find_first_of(std::string_view("\0\x1A", 2)) != Text::npos) std::abort();
  if (bytes.find_first_of(std::string_view("\0\x1A", 2)) == std::string::npos) {
    static const Text wrapper = FromUtf8("[数据]\r\n数据1=");
    if (VisitorTextOfFile(Concat(wrapper, bytes, "\r\n")) != bytes) std::abort();
  }
  return 0;
}
