// FetchPage: one HTTP request with the program's fixed defaults, the body back as a Text.
#pragma once

#include <cstdint>

#include "text/text.h"
#include "web/exchange_stop.h"

namespace vq {

// What the program never varies but tests and the teardown need to reach.
struct FetchControls {
  std::int32_t timeout_ms = 18000;  // connect, send and receive time-outs
  ExchangeStop* stop = nullptr;     // ends the exchange from another thread; may be null
};

// Parameters in their fixed order; a null pointer is an omitted parameter. `method` and `headers`
// are in-and-out: the caller sees the rewrite to "GET" and the default header lines appended.
// Returns the response body up to its first zero byte, or the empty text when the exchange fails
// to start. Blocks the calling thread for the whole exchange, so call it off the ui thread.
[[nodiscard]] Text FetchPage(const Text& url, Text* method = nullptr, const Text* proxy = nullptr,
                             Text* headers = nullptr, const Text* body = nullptr,
                             Text* response_headers = nullptr, const FetchControls& controls = {});

}  // namespace vq
