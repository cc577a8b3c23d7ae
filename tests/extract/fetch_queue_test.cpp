#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "extract/fetch_queue.h"

namespace {

TEST(FetchQueue, TurnsComeInTicketOrderAndAbandonedTicketsAreSkipped) {
  FetchQueue queue;
  const auto first = queue.Enqueue();
  const auto never = queue.Enqueue();  // its worker could not be started
  const auto third = queue.Enqueue();
  const auto fourth = queue.Enqueue();
  std::vector<FetchQueue::Ticket> order;
  std::mutex orderMutex;
  auto worker = [&](FetchQueue::Ticket ticket) {
    FetchQueue::Turn turn(queue, ticket);
    std::lock_guard lock(orderMutex);
    order.push_back(ticket);
  };
  std::thread last(worker, fourth);
  std::thread middle(worker, third);
  queue.Abandon(never);  // while the first still holds its turn
  std::thread start(worker, first);
  start.join();
  middle.join();
  last.join();
  EXPECT_EQ(order, (std::vector<FetchQueue::Ticket>{first, third, fourth}));
}

}  // namespace
