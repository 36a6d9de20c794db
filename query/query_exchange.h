// The conversation with the query service: the form body sent, the answer page read.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace vq {

// "http://" + the query service's host (a build setting) + "/android_3.7.php". Any thread.
[[nodiscard]] Text QueryEndpoint();

// The form body for a province row and a plate. The plate is percent-encoded as a form value; a
// row outside 0 to 30 sends an empty province. Returns a new value; any thread.
[[nodiscard]] Text BuildQueryBody(std::int64_t province_index, const Text& plate);

struct QueryOutcome {
  enum class Kind { kFound, kRateLimited, kNoAnswer };
  Kind kind = Kind::kNoAnswer;
  Text count;  // with kFound: the characters shown as the number of violations, maybe empty

  friend bool operator==(const QueryOutcome&, const QueryOutcome&) = default;
};

// Found when the answer marker occurs past the first byte (the count is the text between the two
// count markers, maybe empty); otherwise RateLimited when the rate-limit marker does; otherwise
// NoAnswer, the empty page included. Any thread; does not block.
[[nodiscard]] QueryOutcome ReadQueryPage(const Text& page);

// The four markers of the answer page (GBK), looked for byte by byte.
[[nodiscard]] Text AnswerMarker();      // 您查询的
[[nodiscard]] Text RateLimitMarker();   // 为保证网站正常运行
[[nodiscard]] Text CountStartMarker();  // 共有 <font color='red'><font color=red>
[[nodiscard]] Text CountEndMarker();    // </font></font> 条违章！</div>

}  // namespace vq
