// GBK text across the wide-character interface of the window and its controls.
//
// The window is a wide-character window on every system. Converting through code page 936 here is
// byte for byte what the narrow (...A) functions do on a system whose ANSI code page is 936, and it
// stays right on a system whose ANSI code page is another.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace vq {

// GBK bytes to wide characters; a byte sequence that is no GBK character becomes the system's
// default character, as the narrow functions do. Any thread.
[[nodiscard]] std::wstring WideFromGbk(const Text& text);

// Wide characters to GBK; a character that code page 936 cannot hold becomes "?". Any thread.
[[nodiscard]] Text GbkFromWide(std::wstring_view wide);

}  // namespace vq
