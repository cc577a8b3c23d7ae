#pragma once
// The program's two files, composed anew from the run directory at every access.

#include <filesystem>

inline std::filesystem::path SettingsFile(const std::filesystem::path& runDirectory) {
  return runDirectory / std::filesystem::path(u8"配置.ini");
}

inline std::filesystem::path VisitorTextFile(const std::filesystem::path& runDirectory) {
  return runDirectory / std::filesystem::path(u8"实时访客.ini");
}
