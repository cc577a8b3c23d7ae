#pragma once

#include "text/text.h"

// The platform's message box: one OK button, no icon, no owner, blocking the program's
// windows until the user dismisses it.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const Text& text, const Text& title) = 0;
};
