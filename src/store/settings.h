#pragma once
// The settings file: the notes, the line-start text, the visitor number, the four title
// slots and the chosen slot, saved at every change and loaded at start.

#include <filesystem>
#include <memory>

#include "platform/window_controls.h"
#include "store/visitor_text.h"

// The loader, on a worker of its own: captions, notes, the chosen title slot, then the
// visitor text.
void LoadSavedState(WindowControls& window, const std::filesystem::path& runDirectory, VisitorTextState& visitorText);

// Text-changed handler of a kept box: box and note key ("备注1".."备注6" in the code page).
void SaveNote(WindowControls& window, const std::filesystem::path& runDirectory, ControlName box,
              const Text& key);

// Text-changed handler of the item title: saved under the checked slot's title key.
void SaveItemTitle(WindowControls& window, const std::filesystem::path& runDirectory);

// Clicked handler of the radio button of slot 1..4.
void SelectTitleSlot(WindowControls& window, const std::filesystem::path& runDirectory, int slot);

// The six kept boxes with their note keys, in the order the loader fills them.
struct KeptBox {
  ControlName box;
  Text key;
};
const std::vector<KeptBox>& KeptBoxes();

// The radio button of slot 1..4.
ControlName TitleSlotButton(int slot);
