#include "platform/worker.h"

#include <atomic>
#include <system_error>
#include <thread>

namespace {
std::atomic<int> running{0};
}

bool StartWorker(std::function<void()> routine) {
  ++running;
  try {
    std::thread([routine = std::move(routine)] {
      routine();
      --running;
    }).detach();
    return true;
  } catch (const std::system_error&) {
    --running;
    return false;
  }
}

int RunningWorkerCount() { return running; }
