#pragma once

#include <chrono>

#include "platform/window_controls.h"

// Keeps the window answering during a long loop on the window's thread: Step() processes
// the pending events whenever a frame's time (16 ms) has passed since it last did.
class EventPump {
 public:
  explicit EventPump(WindowControls& window) : window_(window) {}
  void Step() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kFrame) return;
    window_.ProcessPendingEvents();
    last_ = std::chrono::steady_clock::now();
  }

 private:
  static constexpr std::chrono::milliseconds kFrame{16};
  WindowControls& window_;
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};
