// The province table: 31 plate abbreviations, in the order of the province drop-down list.
// Every function returns a new value, holds no state and may be called on any thread.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace vq {

inline constexpr int kProvinceCount = 31;

// The 62-byte text of the 31 abbreviations back to back (GBK), in table order.
[[nodiscard]] Text ProvinceAbbreviations();

// The abbreviation of row `index` (two GBK bytes); empty outside 0 to 30.
[[nodiscard]] Text ProvinceAbbreviation(std::int64_t index);

// The form value of row `index`: its two GBK bytes as %XX%XX; empty outside 0 to 30.
[[nodiscard]] Text ProvinceFormValue(std::int64_t index);

// The row index of an abbreviation text by the reverse lookup: its own row for one abbreviation,
// 0 for the empty text, -1 for a text not in the table.
[[nodiscard]] std::int32_t ProvinceIndexOf(const Text& abbreviation);

}  // namespace vq
