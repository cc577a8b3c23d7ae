#include "store/settings.h"

#include <array>

#include "platform/profile_file.h"
#include "store/store_files.h"
#include "text/codepage.h"

namespace {

struct Names {
  Text notes = FromUtf8("备注");
  Text titles = FromUtf8("标题");
  Text configuration = FromUtf8("配置");
  Text chosenSlot = FromUtf8("配置1");
  Text loading = FromUtf8("加载中...");
  Text loaded = FromUtf8("加载完成");
  std::vector<KeptBox> keptBoxes = {
      {control::编辑框1, FromUtf8("备注1")}, {control::编辑框2, FromUtf8("备注2")},
      {control::编辑框3, FromUtf8("备注3")}, {control::编辑框4, FromUtf8("备注4")},
      {control::宝贝标题1, FromUtf8("备注5")}, {control::宝贝标题2, FromUtf8("备注6")},
  };
};

const Names& Words() {
  static const Names names;
  return names;
}

Text TitleKey(int slot) { return Concat(Words().titles, IntegerToText(slot)); }

}  // namespace

const std::vector<KeptBox>& KeptBoxes() { return Words().keptBoxes; }

ControlName TitleSlotButton(int slot) {
  static constexpr std::array<ControlName, 4> buttons = {control::单选框1, control::单选框2, control::单选框3,
                                                          control::单选框4};
  return buttons[static_cast<std::size_t>(slot - 1)];
}

void LoadSavedState(WindowControls& window, const std::filesystem::path& runDirectory, VisitorTextState& visitorText) {
  window.SetCaption(Words().loading);
  for (const KeptBox& kept : KeptBoxes())
    window.SetEditText(kept.box, ReadProfileText(SettingsFile(runDirectory), Words().notes, kept.key));

  bool chosen = false;
  for (int slot = 1; slot <= 4 && !chosen; ++slot) {
    if (ReadProfileText(SettingsFile(runDirectory), Words().configuration, Words().chosenSlot) !=
        IntegerToText(slot))
      continue;
    chosen = true;
    // No radio button is checked yet, so the write-back of this setting writes nothing.
    window.SetEditText(control::宝贝标题, ReadProfileText(SettingsFile(runDirectory), Words().titles, TitleKey(slot)));
    window.Check(TitleSlotButton(slot));
  }
  if (!chosen && ReadProfileText(SettingsFile(runDirectory), Words().configuration, Words().chosenSlot).empty())
    window.Check(control::单选框1);

  LoadVisitorText(window, runDirectory, visitorText);
  window.SetCaption(Words().loaded);
}

void SaveNote(WindowControls& window, const std::filesystem::path& runDirectory, ControlName box, const Text& key) {
  WriteProfileText(SettingsFile(runDirectory), Words().notes, key, window.EditText(box));
}

void SaveItemTitle(WindowControls& window, const std::filesystem::path& runDirectory) {
  for (int slot = 1; slot <= 4; ++slot) {
    if (!window.IsChecked(TitleSlotButton(slot))) continue;
    WriteProfileText(SettingsFile(runDirectory), Words().titles, TitleKey(slot), window.EditText(control::宝贝标题));
    return;
  }
}

void SelectTitleSlot(WindowControls& window, const std::filesystem::path& runDirectory, int slot) {
  window.SetEditText(control::宝贝标题, ReadProfileText(SettingsFile(runDirectory), Words().titles, TitleKey(slot)));
  WriteProfileText(SettingsFile(runDirectory), Words().configuration, Words().chosenSlot, IntegerToText(slot));
}
