// GBK (code page 936) <-> UTF-8, through iconv. For the Linux front end's control boundary and the
// tests; the core itself never converts. Both functions return new values, do not block and
// may be called on any thread (each call opens a conversion of its own).
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace vq {

// A byte sequence that code page 936 does not define becomes "?"; never fails.
[[nodiscard]] std::string GbkToUtf8(const Text& gbk);

// A character that code page 936 cannot hold becomes "?", as the Windows narrow interface does.
// Invalid UTF-8 sequences become "?" too. A zero byte ends the text.
[[nodiscard]] Text Utf8ToGbk(std::string_view utf8);

}  // namespace vq
