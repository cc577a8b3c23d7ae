#pragma once
// Private profile (INI) files, read and written one key at a time, as the platform's
// profile functions do on the files the program writes and on files left by the Windows
// program: GBK/GB18030 bytes, CR LF, section and key names without regard to letter case.
// Each call is one complete operation, safe from any thread.

#include <filesystem>
#include <string_view>

#include "text/text.h"

// The longest value a read yields; a longer one is cut there.
inline constexpr std::size_t kProfileValueLimit = 10239;

// The empty text when the file, the section or the key is missing.
Text ReadProfileText(const std::filesystem::path& file, std::string_view section, std::string_view key);

// Stores the value raw under the key, creating the file and the section when missing;
// everything else in the file stays byte for byte. The file is replaced atomically.
bool WriteProfileText(const std::filesystem::path& file, std::string_view section, std::string_view key,
                      std::string_view value);

// Replaces the whole file by a fresh one that holds only this key, in the layout a new file
// gets: "[section]" CR LF "key=value" CR LF.
bool WriteFreshProfileFile(const std::filesystem::path& file, std::string_view section, std::string_view key,
                           std::string_view value);
