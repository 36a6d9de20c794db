// The worker's information box on Win32.
#pragma once

#include "text/text.h"

namespace vq {

// A modal box with `text`, `title`, an OK button and no icon, without owner window, so the main
// window stays usable. Blocks the calling (worker) thread until the user closes the box.
void ShowInformationBox(const Text& text, const Text& title);

}  // namespace vq
