#include "service_options.h"

#include <charconv>
#include <string_view>

namespace query_service {
namespace {

bool ParseNumber(std::string_view text, std::int64_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && value >= 0;
}

bool ParseListen(std::string_view text, ServiceOptions& options) {
  const std::size_t colon = text.rfind(':');
  std::int64_t port = 0;
  if (colon == std::string_view::npos || colon == 0 || !ParseNumber(text.substr(colon + 1), port) ||
      port > 65535) {
    return false;
  }
  options.host = std::string(text.substr(0, colon));
  options.port = static_cast<int>(port);
  return true;
}

}  // namespace

std::optional<ServiceOptions> ParseServiceOptions(int argc, char** argv, std::string& error) {
  ServiceOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) {
      error = "missing value after " + std::string(name);
      return std::nullopt;
    }
    const std::string_view value = argv[++i];
    bool understood = true;
    if (name == "--listen") {
      understood = ParseListen(value, options);
    } else if (name == "--data") {
      options.data_path = value;
    } else if (name == "--log") {
      options.log_path = value;
    } else if (name == "--rate-limit") {
      understood = ParseNumber(value, options.rate_limit);
    } else if (name == "--delay-ms") {
      understood = ParseNumber(value, options.delay_ms);
    } else {
      understood = false;
    }
    if (!understood) {
      error = "cannot use " + std::string(name) + " " + std::string(value);
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace query_service
