#include "store/visitor_text.h"

#include "platform/plain_file.h"
#include "platform/profile_file.h"
#include "store/pumping_delay.h"
#include "store/store_files.h"
#include "text/codepage.h"

namespace {

const Text& Section() {
  static const Text section = FromUtf8("数据");
  return section;
}

const Text& Key() {
  static const Text key = FromUtf8("数据1");
  return key;
}

}  // namespace

Text VisitorTextOfFile(std::string_view content) {
  std::size_t end = content.find_first_of(std::string_view("\0\x1A", 2));
  if (end == std::string_view::npos) end = content.size();
  if (end > 0 && end < content.size() && content[end] == '\0' && static_cast<unsigned char>(content[end - 1]) >= 0x80)
    --end;
  std::string_view text = content.substr(0, end);
  const Text wrapper = Concat("[", Section(), "]\r\n", Key(), "=");
  if (text.substr(0, wrapper.size()) == wrapper) {
    text.remove_prefix(wrapper.size());
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") text.remove_suffix(2);
  }
  return Text(text);
}

void LoadVisitorText(WindowControls& window, const std::filesystem::path& runDirectory, VisitorTextState& state) {
  const auto content = ReadWritableFile(VisitorTextFile(runDirectory));
  window.SetEditText(control::编辑框5, content ? VisitorTextOfFile(*content) : Text());
  state.loaded = true;
}

void ClearVisitorText(WindowControls& window, const std::filesystem::path& runDirectory) {
  DeleteFileIfWritable(VisitorTextFile(runDirectory));
  window.SetEditText(control::编辑框5, Text());
}

void SaveVisitorText(WindowControls& window, const std::filesystem::path& runDirectory, const VisitorTextState& state) {
  // Pending work from workers (rows, appended clipboard text) lands in the box meanwhile.
  PumpingDelay(window, 500);
  if (!state.loaded) return;
  WriteFreshProfileFile(VisitorTextFile(runDirectory), Section(), Key(), window.EditText(control::编辑框5));
}
