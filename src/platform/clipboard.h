#pragma once

#include "text/text.h"

// The clipboard's plain text, in the program's code page.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The empty text when the clipboard holds no text or cannot be read.
  virtual Text ReadText() = 0;
  // Replaces the clipboard's content by the text (the empty text too).
  virtual void WriteText(const Text& text) = 0;
};
