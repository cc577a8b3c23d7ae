#pragma once
// Splits a fuzzer's input into the pieces a target needs.

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }
  // A piece whose length the next byte gives.
  std::string Piece() {
    const std::size_t length = std::min<std::size_t>(Byte(), rest_.size());
    std::string piece(rest_.substr(0, length));
    rest_.remove_prefix(length);
    return piece;
  }
  std::string Rest() { return std::string(std::exchange(rest_, std::string_view())); }

 private:
  std::string_view rest_;
};
