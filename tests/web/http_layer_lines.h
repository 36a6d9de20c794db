// What the platform's HTTP layer puts on the wire of its own, besides the lines FetchPage writes.
#pragma once

#include <string>
#include <vector>

namespace vq::test {

// Header names (compared without regard to letter case) that the layer may add itself. Host and
// User-Agent are always among them and always sent.
[[nodiscard]] std::vector<std::string> HttpLayerHeaderNames();

}  // namespace vq::test
