#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>

// Fetches run one after another in the order their buttons were pressed: the handler takes
// a ticket on the window's thread, the worker waits for its turn and ends it when done.
class FetchQueue {
 public:
  using Ticket = std::uint64_t;

  Ticket Enqueue();
  void WaitForTurn(Ticket ticket);
  void Finish(Ticket ticket);
  // A ticket whose worker never started: its turn is skipped whenever it comes.
  void Abandon(Ticket ticket);

  // Holds a ticket's turn for the lifetime of a worker's routine.
  class Turn {
   public:
    Turn(FetchQueue& queue, Ticket ticket) : queue_(queue), ticket_(ticket) { queue_.WaitForTurn(ticket_); }
    ~Turn() { queue_.Finish(ticket_); }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

   private:
    FetchQueue& queue_;
    Ticket ticket_;
  };

 private:
  std::mutex mutex_;
  std::condition_variable turnChanged_;
  void SkipAbandoned();

  Ticket next_ = 0;
  Ticket serving_ = 0;
  std::set<Ticket> abandoned_;
};
