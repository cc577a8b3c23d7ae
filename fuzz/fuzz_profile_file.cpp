// The profile-file service on arbitrary file bytes: reads never fail, a write followed by a
// read of the same key gives the value back, and every other key reads as before.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz_input.h"
#include "platform/profile_file.h"
#include "text/codepage.h"

namespace {

const std::filesystem::path& File() {
  static const std::filesystem::path file = [] {
    const auto directory = std::filesystem::temp_directory_path() / ("fuzz-profile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    return directory / "f.ini";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Text sections[] = {"s", "S", FromUtf8("备注"), " x "};
  static const Text keys[] = {"k", "K", FromUtf8("备注1"), "y"};
  FuzzInput input(data, size);
  const std::uint8_t choice = input.Byte();
  std::ofstream(File(), std::ios::binary | std::ios::trunc) << input.Rest();

  Text before[4][4];
  for (int s = 0; s < 4; ++s)
    for (int k = 0; k < 4; ++k) before[s][k] = ReadProfileText(File(), sections[s], keys[k]);

  const int section = choice % 4, key = choice / 4 % 4;
  const Text value = "v" + std::to_string(size);
  if (!WriteProfileText(File(), sections[section], keys[key], value)) std::abort();
  if (ReadProfileText(File(), sections[section], keys[key]) != value) std::abort();
  auto sameName = [](const Text& a, const Text& b) { return FoldLetterCase(a) == FoldLetterCase(b); };
  for (int s = 0; s < 4; ++s)
    for (int k = 0; k < 4; ++k) {
      if (sameName(sections[s], sections[section]) && sameName(keys[k], keys[key])) continue;
      if (ReadProfileText(File(), sections[s], keys[k]) != before[s][k]) std::abort();
    }
  return 0;
}
