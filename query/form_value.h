// Encoding a byte text as the value of a form field (application/x-www-form-urlencoded).
#pragma once

#include "text/text.h"

namespace vq {

// Every byte outside A-Z a-z 0-9 - _ . * becomes "%" and two upper-case hex digits; a space
// becomes "+". Returns a new value; any thread.
[[nodiscard]] Text FormValueEncoded(const Text& value);

}  // namespace vq
