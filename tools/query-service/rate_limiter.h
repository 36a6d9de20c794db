// How often each client asked lately; more than the limit within the window is refused.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace query_service {

class RateLimiter {
 public:
  using Clock = std::chrono::steady_clock;

  // A limit of 0 lets every request through.
  RateLimiter(std::int64_t limit, Clock::duration window) : limit_(limit), window_(window) {}

  // Counts one request of `client` at `now`; true when it is one too many. Any thread.
  [[nodiscard]] bool TooMany(const std::string& client, Clock::time_point now);

 private:
  std::int64_t limit_;
  Clock::duration window_;
  std::mutex mutex_;
  std::map<std::string, std::deque<Clock::time_point>> asked_;  // times within the window
};

}  // namespace query_service
