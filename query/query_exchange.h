// The conversation with the query service: the form body sent, the answer page read.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace vq {

// "http://" + the query service's host (a build setting) + "/android_3.7.php".
[[nodiscard]] Text QueryEndpoint();

// The form body for a province row and a plate. The plate is percent-encoded as a form value.
[[nodiscard]] Text BuildQueryBody(std::int64_t province_index, const Text& plate);

struct QueryOutcome {
  enum class Kind { kFound, kRateLimited, kNoAnswer };
  Kind kind = Kind::kNoAnswer;
  Text count;  // with kFound: the characters shown as the number of violations, maybe empty

  friend bool operator==(const QueryOutcome&, const QueryOutcome&) = default;
};

[[nodiscard]] QueryOutcome ReadQueryPage(const Text& page);

}  // namespace vq
