// What each platform's half of the engine provides to the portable entry point.
#pragma once

#include "skin/engine/skin_reader.h"

namespace vq::skin {

// Dresses the calling program's user interface in `skin`; false when there is nothing this thread
// may dress (no application, or another thread's). The user-interface thread.
bool AttachToProgram(const Skin& skin);

}  // namespace vq::skin
