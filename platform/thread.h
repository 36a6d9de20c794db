// Worker threads.
#pragma once

#include <functional>

namespace vq {

// Starts `body` at once on a new thread with the default stack size; the thread runs on its own
// and is never joined. False when the thread could not be started. Any thread.
[[nodiscard]] bool StartDetachedThread(std::function<void()> body);

}  // namespace vq
