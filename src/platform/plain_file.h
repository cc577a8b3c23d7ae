#pragma once
// Plain files as the program uses them. A file whose permission bits allow no writing
// counts as read-only, as the platform's read-only attribute does, also for a user (root)
// whom the system would let write.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

bool IsReadOnlyFile(const std::filesystem::path& file);

// The whole content of a file that can be opened for reading and writing; nullopt when it
// is missing, read-only, locked or not a file.
std::optional<std::string> ReadWritableFile(const std::filesystem::path& file);

// The whole content of a file that can be read; nullopt when it cannot.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Replaces the file by one holding exactly the content: written beside it under a temporary
// name, flushed to the disk and renamed over it, so that the file is at every moment either
// the old or the new one. Fails, leaving everything as it was, when the file is read-only or
// not a plain file, or the directory cannot be written.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content);

// Fails for a missing or read-only file.
bool DeleteFileIfWritable(const std::filesystem::path& file);
