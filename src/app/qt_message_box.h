#pragma once

#include "platform/message_box.h"

class QtMessageBox : public MessageBox {
 public:
  void Show(const Text& text, const Text& title) override;
};
