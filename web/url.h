// Splitting a URL into host, port and path. Pure functions; any thread.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace vq {

[[nodiscard]] Text UrlHost(const Text& url);          // lower case
[[nodiscard]] std::int64_t UrlPort(const Text& url);  // 80 when the URL names none
[[nodiscard]] Text UrlPath(const Text& url);          // begins with "/"

}  // namespace vq
