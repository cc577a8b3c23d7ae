#pragma once
// The window definition: every control with its place, size and texts, in stacking order
// (the first lies on top). The window creates them, and Tab visits them, from the last up.

#include <vector>

#include "platform/control_names.h"

enum class ControlKind { DropDownList, PushButton, TransparentLabel, LineEdit, MultiLineEdit, RadioButton, ReportList };

struct ListColumn {
  const char* title;
  int width;
};

struct ControlDefinition {
  ControlName name;
  ControlKind kind;
  int left, top, width, height;
  const char* text = "";               // caption of a push button
  std::vector<const char*> items = {};  // items of a drop-down list
  int selectedItem = -1;
  std::vector<ListColumn> columns = {};  // columns of a report list
};

const std::vector<ControlDefinition>& ControlTable();

// The kind of the named control; a multi-line edit box only for 编辑框5.
bool IsMultiLineEdit(ControlName name);

inline constexpr int kDefinedWindowWidth = 1008;
inline constexpr int kDefinedWindowHeight = 550;
