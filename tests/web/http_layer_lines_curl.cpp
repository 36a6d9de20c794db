#include "tests/web/http_layer_lines.h"

namespace vq::test {

// libcurl is told to add nothing of its own but these two.
std::vector<std::string> HttpLayerHeaderNames() {
  return {"Host", "User-Agent"};
}

}  // namespace vq::test
