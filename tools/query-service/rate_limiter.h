// How often each client asked lately; more than the limit within the window is refused.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace query_service {

class RateLimiter {
 public:
  // A limit of 0 lets every request through. Times are milliseconds of a steady clock.
  RateLimiter(std::int64_t limit, std::int64_t window_ms) : limit_(limit), window_ms_(window_ms) {}

  // Counts one request of `client` at `now_ms`; true when it is one too many. Any thread.
  [[nodiscard]] bool TooMany(const std::string& client, std::int64_t now_ms);

 private:
  std::int64_t limit_;
  std::int64_t window_ms_;
  std::mutex mutex_;
  std::map<std::string, std::deque<std::int64_t>> asked_;  // times within the window
};

}  // namespace query_service
