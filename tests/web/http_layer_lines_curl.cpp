#include <strings.h>
#include <string>

#include "tests/web/http_layer_lines.h"

namespace vq::test {
namespace {
bool HasName(std::string_view line, const char* name) {
  const std::string_view::size_type colon = line.find(':');
  const std::string line_name(line.substr(0, colon));
  return colon != std::string_view::npos && strcasecmp(line_name.c_str(), name) == 0;
}
}  // namespace

// libcurl is told to add nothing of its own but these two.
bool IsHttpLayerLine(std::string_view line) {
  return HasName(line, "Host") || HasName(line, "User-Agent");
}

bool StopEndsABlockedReceive() {
  return true;
}

}  // namespace vq::test
