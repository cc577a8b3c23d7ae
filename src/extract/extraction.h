#pragma once
// Filling the record list from the visitors text: manual fetch from the large edit box,
// automatic fetch from the clipboard, each extracting on a worker of its own.

#include <memory>

#include "extract/fetch_queue.h"
#include "extract/regex_object.h"
#include "platform/clipboard.h"
#include "platform/window_controls.h"

struct FetchServices {
  std::shared_ptr<WindowControls> window;
  std::shared_ptr<Clipboard> clipboard;
  std::shared_ptr<FetchQueue> queue;
};

// The record pattern: a line beginning with the line-start text; group 1 the entry source up
// to the blanks before the item title; group 2 the visitor location; group 3 what follows
// "访客". Both texts are inserted verbatim, so any syntax in them acts as syntax.
Text ExtractionPattern(const Text& lineStart, const Text& itemTitle);
// Group 1: what follows "访客编号" on its line, without the blanks around it.
const Text& VisitorNumberPattern();

// Click handlers of "手动获取" and "自动获取", on the window's thread.
void ManualFetch(const FetchServices& services);
void AutomaticFetch(const FetchServices& services);

// Adds one row per match to the record list, numbered by the list's row count, with the
// running total in the status label.
void FillRecordList(WindowControls& window, const RegexObject& regex);
