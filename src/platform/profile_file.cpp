#include "platform/profile_file.h"

#include <mutex>
#include <optional>
#include <vector>

#include "platform/plain_file.h"

namespace {

std::mutex& ProfileMutex() {
  static std::mutex mutex;
  return mutex;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names compare without the blanks around them, on the caller's side too, so that a name
// given with blanks reads back what was written under it.
bool SameName(std::string_view a, std::string_view b) {
  a = Trimmed(a);
  b = Trimmed(b);
  return a.size() == b.size() && FoldLetterCase(a) == FoldLetterCase(b);
}

// One line of the file with the line break that ended it (CR LF, CR, LF or none at the end).
struct Line {
  std::string_view text;
  std::string_view lineBreak;
};

std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({content.substr(start), {}});
      break;
    }
    const std::size_t breakLength = content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({content.substr(start, end - start), content.substr(end, breakLength)});
    start = end + breakLength;
  }
  return lines;
}

// The section a line opens, if it is a section line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  return Trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trimmed(trimmed.substr(0, equals)), Trimmed(trimmed.substr(equals + 1))};
}

// Where a key stands in the file: the first section of the name and its first key of the name.
struct Location {
  std::optional<std::size_t> section;   // index of the section line
  std::optional<std::size_t> key;       // index of the key line
  std::optional<std::size_t> lastKey;   // index of the section's last key line
};

Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Location location;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i].text)) {
      if (inSection) break;  // the first section of the name wins
      inSection = SameName(*name, section);
      if (inSection) location.section = i;
      continue;
    }
    if (!inSection) continue;
    if (const auto entry = ParseKeyLine(lines[i].text)) {
      location.lastKey = i;
      if (!location.key && SameName(entry->key, key)) location.key = i;
    }
  }
  return location;
}

Text Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return Text(value.substr(0, kProfileValueLimit));
}

}  // namespace

Text ReadProfileText(const std::filesystem::path& file, std::string_view section, std::string_view key) {
  std::lock_guard lock(ProfileMutex());
  const auto content = ReadWholeFile(file);
  if (!content) return {};
  const std::vector<Line> lines = SplitLines(*content);
  const Location location = Find(lines, section, key);
  if (!location.key) return {};
  return Unquoted(ParseKeyLine(lines[*location.key].text)->value);
}

bool WriteProfileText(const std::filesystem::path& file, std::string_view section, std::string_view key,
                      std::string_view value) {
  std::lock_guard lock(ProfileMutex());
  if (IsReadOnlyFile(file)) return false;
  const auto content = ReadWholeFile(file);
  if (!content) {
    // A directory or an unreadable file in its place (or one that cannot even be looked at)
    // is left alone; the non-throwing form, since a handler must not end the program.
    std::error_code unknown;
    if (std::filesystem::exists(file, unknown) || unknown) return false;
    return WriteFileAtomically(file, Concat("[", section, "]\r\n", key, "=", value, "\r\n"));
  }
  const std::vector<Line> lines = SplitLines(*content);
  const Location location = Find(lines, section, key);
  Text updated;
  updated.reserve(content->size() + key.size() + value.size() + section.size() + 8);
  auto appendLine = [&](std::string_view text, std::string_view lineBreak) {
    updated.append(text);
    updated.append(lineBreak);
  };
  if (!location.section) {
    updated = *content;
    if (!updated.empty() && updated.back() != '\n' && updated.back() != '\r') updated += "\r\n";
    updated += Concat("[", section, "]\r\n", key, "=", value, "\r\n");
    return WriteFileAtomically(file, updated);
  }
  const std::size_t insertAfter = location.lastKey.value_or(*location.section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (location.key && i == *location.key) {
      // The key keeps its spelling; only its value changes.
      appendLine(Concat(ParseKeyLine(lines[i].text)->key, "=", value),
                 lines[i].lineBreak.empty() ? std::string_view("\r\n") : lines[i].lineBreak);
      continue;
    }
    const bool insertHere = !location.key && i == insertAfter;
    appendLine(lines[i].text, lines[i].lineBreak.empty() && insertHere ? std::string_view("\r\n") : lines[i].lineBreak);
    if (insertHere) appendLine(Concat(key, "=", value), "\r\n");
  }
  return WriteFileAtomically(file, updated);
}

bool WriteFreshProfileFile(const std::filesystem::path& file, std::string_view section, std::string_view key,
                           std::string_view value) {
  std::lock_guard lock(ProfileMutex());
  return WriteFileAtomically(file, Concat("[", section, "]\r\n", key, "=", value, "\r\n"));
}
