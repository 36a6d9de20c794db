#include "tests/web/http_layer_lines.h"

namespace vq::test {

// WinInet's own lines: connection handling and, for a reload, the cache directives.
std::vector<std::string> HttpLayerHeaderNames() {
  return {"Host", "User-Agent", "Connection", "Cache-Control", "Pragma"};
}

}  // namespace vq::test
