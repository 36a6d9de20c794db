#include "rate_limiter.h"

namespace query_service {

bool RateLimiter::TooMany(const std::string& client, std::int64_t now_ms) {
  if (limit_ <= 0) return false;
  std::lock_guard lock(mutex_);
  std::deque<std::int64_t>& times = asked_[client];
  while (!times.empty() && now_ms - times.front() >= window_ms_) times.pop_front();
  times.push_back(now_ms);
  return static_cast<std::int64_t>(times.size()) > limit_;
}

}  // namespace query_service
