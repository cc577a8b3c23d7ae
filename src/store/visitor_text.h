#pragma once
// The text of the large edit box, kept from one run to the next in "实时访客.ini".

#include <atomic>
#include <filesystem>

#include "platform/window_controls.h"

// Whether the stored visitor text has been put into the box yet: until it has, a shutdown
// must not write the still-empty box over it.
struct VisitorTextState {
  std::atomic<bool> loaded{false};
};

// The file's text as the program reads it: the bytes up to the first 0x00 or 0x1A (a byte of
// 0x80 or more just before a 0x00 dropped too), and without the section and key lines and
// the final line break that the save wrapped round it.
Text VisitorTextOfFile(std::string_view content);

// Step 4 of the loader: the stored text into the box. A missing file, or one that cannot be
// opened for writing, loads as the empty text.
void LoadVisitorText(WindowControls& window, const std::filesystem::path& runDirectory, VisitorTextState& state);

// Click handler of "清空": the file goes at once, the box is emptied.
void ClearVisitorText(WindowControls& window, const std::filesystem::path& runDirectory);

// Will-be-destroyed handler: after a 500 ms wait that keeps the window answering, the box's
// text replaces the file atomically.
void SaveVisitorText(WindowControls& window, const std::filesystem::path& runDirectory, const VisitorTextState& state);
