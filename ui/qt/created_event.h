// What the main window's created event runs in the program.
#pragma once

#include <functional>

namespace vq {

// The window's thread, once, before the window is first shown.
[[nodiscard]] std::function<void()> ProgramCreatedEvent();

}  // namespace vq
