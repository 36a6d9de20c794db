#include "ui/qt/window_gate.h"

#include <algorithm>

namespace vq {

void Waiter::Release() {
  {
    std::lock_guard lock(mutex_);
    released_ = true;
  }
  released_cv_.notify_all();
}

void Waiter::Wait() {
  std::unique_lock lock(mutex_);
  released_cv_.wait(lock, [this] { return released_; });
}

WindowGate::WindowGate(QObject* context)
    : window_thread_(std::this_thread::get_id()), context_(context) {}

bool WindowGate::IsOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

bool WindowGate::Register(const std::shared_ptr<Waiter>& waiter) {
  std::lock_guard lock(mutex_);
  if (!open_) return false;
  Track(waiter);
  return true;
}

void WindowGate::Track(const std::shared_ptr<Waiter>& waiter) {
  std::erase_if(waiting_, [](const std::weak_ptr<Waiter>& w) { return w.expired(); });
  waiting_.push_back(waiter);
}

void WindowGate::Close() {
  std::vector<std::weak_ptr<Waiter>> waiting;
  {
    std::lock_guard lock(mutex_);
    open_ = false;
    waiting.swap(waiting_);
  }
  for (const auto& weak : waiting) {
    if (auto waiter = weak.lock()) waiter->Release();
  }
}

}  // namespace vq
