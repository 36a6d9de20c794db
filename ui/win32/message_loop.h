// The message loop of the program's thread, with the main window's own keys.
#pragma once

#include <windows.h>

namespace vq {

// Hands one message to the main window's key handling, and unless the window took it, translates
// and dispatches it. The window's thread.
void ProcessMessage(const MSG& message);

// Runs until the quit message, then gives its exit code. Skipped (0) when no window of ours
// exists. Blocks; the window's thread.
int RunMessageLoop();

// True while RunMessageLoop runs on this thread: the last window going away then ends it.
[[nodiscard]] bool MessageLoopRunning();

}  // namespace vq
