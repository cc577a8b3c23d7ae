#include "app/window_thread.h"

#include <QMetaObject>

WindowThread::WindowThread(QObject* receiver)
    : receiver_(receiver), windowThread_(std::this_thread::get_id()) {}

bool WindowThread::IsOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
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
    // Posted under the lock, so the receiver cannot be gone between the check and the post.
    std::lock_guard lock(mutex_);
    if (!open_) return false;
    waiting_.insert(task);
    std::weak_ptr<WindowThread> self = weak_from_this();
    QMetaObject::invokeMethod(
        receiver_,
        [self, task] {
          if (const auto thread = self.lock()) thread->Execute(task);
        },
        Qt::QueuedConnection);
  }
  std::unique_lock lock(task->mutex);
  task->finishedChanged.wait(lock, [&] { return task->finished; });
  return task->operation != nullptr;
}

void WindowThread::Execute(const std::shared_ptr<Task>& task) {
  {
    std::lock_guard lock(mutex_);
    if (waiting_.erase(task) == 0) return;  // dropped by Close
  }
  (*task->operation)();
  Finish(*task);
}

void WindowThread::Finish(Task& task) {
  {
    std::lock_guard lock(task.mutex);
    task.finished = true;
  }
  task.finishedChanged.notify_all();
}

void WindowThread::Close() {
  std::unordered_set<std::shared_ptr<Task>> dropped;
  {
    std::lock_guard lock(mutex_);
    open_ = false;
    dropped.swap(waiting_);
  }
  for (const auto& task : dropped) {
    task->operation = nullptr;
    Finish(*task);
  }
}
