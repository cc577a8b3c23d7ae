#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

// Carries out operations on the window's thread. From the window's thread an operation runs
// at once; from a worker it is queued to the window's thread and the worker waits until it
// has run. Once closed (the window is gone) operations are dropped, waiting ones included,
// so a worker that outlives the window neither touches it nor blocks.
class WindowThread : public std::enable_shared_from_this<WindowThread> {
 public:
  // The receiver lives on the window's thread and outlives every call made while open.
  explicit WindowThread(QObject* receiver);

  // Yields whether the operation ran.
  bool Run(const std::function<void()>& operation);
  // On the window's thread.
  void Close();
  bool IsOpen() const;

 private:
  struct Task {
    const std::function<void()>* operation = nullptr;
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
  };
  void Execute(const std::shared_ptr<Task>& task);
  static void Finish(Task& task);

  QObject* receiver_;
  std::thread::id windowThread_;
  mutable std::mutex mutex_;
  bool open_ = true;
  std::unordered_set<std::shared_ptr<Task>> waiting_;
};
