// What the program runs in the main window's created event.
#pragma once

#include <functional>

namespace vq {

// The routine of the created event: dressing the window in its skin. The window's thread.
[[nodiscard]] std::function<void()> ProgramCreatedEvent();

}  // namespace vq
