// What the platform's HTTP layer puts on the wire of its own, besides the lines FetchPage writes,
// and what it is known not to do.
#pragma once

#include <string_view>

namespace vq::test {

// True for a request header line that the layer adds itself. Host and User-Agent are among
// them and always sent.
[[nodiscard]] bool IsHttpLayerLine(std::string_view line);

// Whether closing the exchange from another thread ends a receive already blocked in the layer.
// Wine's WinInet keeps a blocked receive going until its time-out (native WinInet and curl end it).
[[nodiscard]] bool StopEndsABlockedReceive();

}  // namespace vq::test
