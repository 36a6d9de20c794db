// The service's HTML pages, in GBK as the real service sends them.
#pragma once

#include <cstdint>
#include <string>

namespace query_service {

// `province` and `plate` are UTF-8 and are shown HTML-escaped, so no plate can forge a marker.
[[nodiscard]] std::string CountPage(const std::string& province, const std::string& plate,
                                    std::int64_t count);
// The answer marker without the count markers.
[[nodiscard]] std::string NoCountPage(const std::string& province, const std::string& plate);
[[nodiscard]] std::string RateLimitPage();
// No answer marker: the province is missing or unknown.
[[nodiscard]] std::string NoProvincePage();

// True when `province` (UTF-8) is one of the 31 plate abbreviations.
[[nodiscard]] bool IsKnownProvince(const std::string& province);

}  // namespace query_service
