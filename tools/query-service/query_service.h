// The stand-in query service's answer to one query.
#pragma once

#include <cstdint>
#include <string>

#include "plate_book.h"
#include "rate_limiter.h"

namespace query_service {

class QueryService {
 public:
  QueryService(PlateBook book, std::int64_t rate_limit);

  // The GBK page for a posted form body from `client` (its address): the rate-limit page when
  // the client asked too often; no answer for a missing or unknown province; otherwise the
  // plate's answer. Any thread.
  [[nodiscard]] std::string Answer(const std::string& client, const std::string& form_body);

 private:
  PlateBook book_;
  RateLimiter limiter_;
};

}  // namespace query_service
