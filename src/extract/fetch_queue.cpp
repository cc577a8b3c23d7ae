#include "extract/fetch_queue.h"

FetchQueue::Ticket FetchQueue::Enqueue() {
  std::lock_guard lock(mutex_);
  return next_++;
}

void FetchQueue::WaitForTurn(Ticket ticket) {
  std::unique_lock lock(mutex_);
  turnChanged_.wait(lock, [&] { return serving_ == ticket; });
}

void FetchQueue::Finish(Ticket ticket) {
  {
    std::lock_guard lock(mutex_);
    if (serving_ != ticket) return;
    serving_ = ticket + 1;
  }
  turnChanged_.notify_all();
}
