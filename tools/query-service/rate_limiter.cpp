#include "rate_limiter.h"

namespace query_service {

bool RateLimiter::TooMany(const std::string& client, Clock::time_point now) {
  if (limit_ <= 0) return false;
  std::lock_guard lock(mutex_);
  std::deque<Clock::time_point>& times = asked_[client];
  while (!times.empty() && now - times.front() >= window_) times.pop_front();
  times.push_back(now);
  return static_cast<std::int64_t>(times.size()) > limit_;
}

}  // namespace query_service
