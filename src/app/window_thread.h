#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Carries out operations on the window's thread. From the window's thread an operation runs
// at once; from a worker it is queued and the worker waits until the window's thread has
// run it. Once closed (the window is gone) operations are dropped, waiting ones included,
// so a worker that outlives the window neither touches it nor blocks.
//
// A worker hands its operation over through a queue under this class's own lock and asks
// the window's thread, by a call without arguments, to take the queued operations; so every
// handover is ordered by that lock alone, as the thread checker can see.
class WindowThread {
 public:
  // The dispatcher lives on the window's thread as a child of the receiver, which must call
  // Close() before it goes.
  explicit WindowThread(QObject* receiver);

  // Yields whether the operation ran.
  bool Run(const std::function<void()>& operation);
  // On the window's thread.
  void Close();
  bool IsOpen() const;

  struct Task {
    const std::function<void()>* operation = nullptr;
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    bool ran = false;
  };
  struct Queue {
    std::mutex mutex;
    bool open = true;
    std::deque<std::shared_ptr<Task>> waiting;
  };

 private:
  std::shared_ptr<Queue> queue_ = std::make_shared<Queue>();
  QObject* dispatcher_;
  std::thread::id windowThread_;
};

// Takes the queued operations on the window's thread.
class WindowThreadDispatcher : public QObject {
  Q_OBJECT

 public:
  WindowThreadDispatcher(std::shared_ptr<WindowThread::Queue> queue, QObject* parent)
      : QObject(parent), queue_(std::move(queue)) {}
  Q_INVOKABLE void RunWaitingOperations();

 private:
  std::shared_ptr<WindowThread::Queue> queue_;
};
