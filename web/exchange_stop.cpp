#include "web/exchange_stop.h"

#include <utility>

namespace vq {

void ExchangeStop::Stop() {
  std::lock_guard lock(mutex_);
  if (stopped_) return;
  stopped_ = true;
  // Under the lock, so that Detach() cannot return while abort is running.
  if (abort_) abort_();
}

bool ExchangeStop::Stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

void ExchangeStop::Attach(std::function<void()> abort) {
  std::lock_guard lock(mutex_);
  abort_ = std::move(abort);
  if (stopped_ && abort_) abort_();
}

void ExchangeStop::Detach() {
  std::lock_guard lock(mutex_);
  abort_ = nullptr;
}

}  // namespace vq
