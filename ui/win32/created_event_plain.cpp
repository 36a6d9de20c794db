#include "ui/win32/created_event.h"

namespace vq {

// Built without the skin library: the window keeps the platform's own look.
std::function<void()> ProgramCreatedEvent() {
  return [] {};
}

}  // namespace vq
