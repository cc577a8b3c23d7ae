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
    SkipAbandoned();
  }
  turnChanged_.notify_all();
}

void FetchQueue::Abandon(Ticket ticket) {
  {
    std::lock_guard lock(mutex_);
    abandoned_.insert(ticket);
    SkipAbandoned();
  }
  turnChanged_.notify_all();
}

void FetchQueue::SkipAbandoned() {
  while (abandoned_.erase(serving_) > 0) ++serving_;
}
