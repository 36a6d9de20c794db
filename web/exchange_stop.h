// Lets one thread end an HTTP exchange that another thread is blocked in.
#pragma once

#include <functional>
#include <mutex>

namespace vq {

// Shared by a worker and whoever may stop it. Stop() may come from any thread, before, during or
// after the exchange; an exchange that sees it ends at once and delivers no more body bytes.
class ExchangeStop {
 public:
  void Stop();
  [[nodiscard]] bool Stopped() const;

  // For exchange implementations: `abort` is run once, on the stopping thread, when Stop() comes
  // while it is attached (at once, if Stop() came already). Detach() before releasing whatever
  // `abort` touches; after Detach() returns, `abort` is not running and will not run.
  void Attach(std::function<void()> abort);
  void Detach();

 private:
  mutable std::mutex mutex_;
  bool stopped_ = false;
  std::function<void()> abort_;
};

}  // namespace vq
