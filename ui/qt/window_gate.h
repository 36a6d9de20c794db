// The door between worker threads and the window's thread.
//
// A worker's call is posted to the window's thread and the worker waits for its result. Closing
// the gate (the window's teardown) releases every waiting caller at once with the empty value,
// whether or not its call has run, and makes every later call return the empty value without
// blocking. So no worker ever waits on a window that is gone.
#pragma once

#include <QMetaObject>
#include <QObject>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace vq {

// Something a thread waits for; released once, by whoever finishes it or by the gate's closing.
class Waiter {
 public:
  void Release();
  // Blocks until Release(); any thread but the window's.
  void Wait();

 protected:
  std::mutex mutex_;

 private:
  std::condition_variable released_cv_;
  bool released_ = false;
};

template <typename R>
class Reply : public Waiter {
 public:
  void Finish(R value) {
    {
      std::lock_guard lock(mutex_);
      value_ = std::move(value);
    }
    Release();
  }
  // After Wait(): the result, or the empty value when the gate released the caller.
  [[nodiscard]] R Take() {
    std::lock_guard lock(mutex_);
    return std::move(value_);
  }

 private:
  R value_{};
};

class WindowGate : public std::enable_shared_from_this<WindowGate> {
 public:
  // On the window's thread; `context` is the window, which outlives the open gate (it closes the
  // gate before it is destroyed).
  explicit WindowGate(QObject* context);

  [[nodiscard]] bool OnWindowThread() const { return std::this_thread::get_id() == window_thread_; }
  [[nodiscard]] bool IsOpen() const;

  // Runs `work` on the window's thread and returns its result: directly on that thread, else by
  // posting it and blocking the caller until it ran or the gate closed. The empty value of R when
  // the gate is closed. Any thread.
  template <typename R, typename Work>
  R Call(Work work) {
    if (OnWindowThread()) return IsOpen() ? work() : R{};
    auto reply = std::make_shared<Reply<R>>();
    auto posted = [gate = shared_from_this(), reply, work = std::move(work)]() mutable {
      // Checked here as well: the call may have waited in the queue while the window went.
      if (gate->IsOpen()) reply->Finish(work());
    };
    if (!Post(reply, [&] {
          QMetaObject::invokeMethod(context_, std::move(posted), Qt::QueuedConnection);
        }))
      return R{};
    reply->Wait();
    return reply->Take();
  }

  // Registers `waiter` to be released when the gate closes; false (and no registration) when it
  // is closed already. Any thread.
  bool Register(const std::shared_ptr<Waiter>& waiter);

  // The window's thread, at teardown: closes the gate and releases everyone waiting. Idempotent.
  void Close();

 private:
  template <typename Send>
  bool Post(const std::shared_ptr<Waiter>& waiter, Send send) {
    std::lock_guard lock(mutex_);
    if (!open_) return false;
    Track(waiter);
    // Under the lock: the window cannot go (Close takes the lock first) while the call is posted.
    send();
    return true;
  }
  void Track(const std::shared_ptr<Waiter>& waiter);  // mutex_ held

  const std::thread::id window_thread_;
  QObject* const context_;
  mutable std::mutex mutex_;
  bool open_ = true;
  std::vector<std::weak_ptr<Waiter>> waiting_;
};

}  // namespace vq
