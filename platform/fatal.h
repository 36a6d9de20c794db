// The fatal error: the program cannot go on.
#pragma once

#include <cstddef>
#include <string_view>

namespace vq {

// Shows an error box without owner window whose message is `gbk_cause` (GBK bytes), and when it is
// closed ends the process with exit code -1. Any thread. On Linux the message also goes to
// standard error, always; the box appears where a presenter has been installed (a display exists).
[[noreturn]] void FatalError(std::string_view gbk_cause);

// Running out of memory for a value of `byte_count` bytes.
[[noreturn]] void FatalOutOfMemory(std::size_t byte_count);

// Linux: the front end installs the function that shows the box (called on any thread, blocks
// until the box is closed). Windows shows a MessageBoxA of its own and ignores this.
using FatalBoxPresenter = void (*)(std::string_view gbk_message);
void SetFatalBoxPresenter(FatalBoxPresenter presenter);

}  // namespace vq
