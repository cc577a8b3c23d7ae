#include "app/window_thread.h"

#include <QMetaObject>

namespace {

void Finish(WindowThread::Task& task, bool ran) {
  {
    std::lock_guard lock(task.mutex);
    task.ran = ran;
    task.finished = true;
  }
  task.finishedChanged.notify_all();
}

}  // namespace

WindowThread::WindowThread(QObject* receiver)
    : dispatcher_(new WindowThreadDispatcher(queue_, receiver)), windowThread_(std::this_thread::get_id()) {}

bool WindowThread::IsOpen() const {
  std::lock_guard lock(queue_->mutex);
  return queue_->open;
}

bool WindowThread::Run(const std::function<void()>& operation) {
  if (std::this_thread::get_id() == windowThread_) {
    if (!IsOpen()) return false;
    operation();
    return true;
  }
  auto task = std::make_shared<Task>();
  task->operation = &operation;
  {
    // Posted under the lock, so the dispatcher cannot be gone between the check and the post.
    std::lock_guard lock(queue_->mutex);
    if (!queue_->open) return false;
    queue_->waiting.push_back(task);
    QMetaObject::invokeMethod(dispatcher_, "RunWaitingOperations", Qt::QueuedConnection);
  }
  std::unique_lock lock(task->mutex);
  task->finishedChanged.wait(lock, [&] { return task->finished; });
  return task->ran;
}

void WindowThreadDispatcher::RunWaitingOperations() {
  for (;;) {
    std::shared_ptr<WindowThread::Task> task;
    {
      std::lock_guard lock(queue_->mutex);
      if (!queue_->open || queue_->waiting.empty()) return;
      task = std::move(queue_->waiting.front());
      queue_->waiting.pop_front();
    }
    (*task->operation)();
    Finish(*task, true);
  }
}

void WindowThread::Close() {
  std::deque<std::shared_ptr<Task>> dropped;
  {
    std::lock_guard lock(queue_->mutex);
    queue_->open = false;
    dropped.swap(queue_->waiting);
  }
  for (const auto& task : dropped) Finish(*task, false);
}
