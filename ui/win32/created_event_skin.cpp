#include "skin/skin_setup.h"
#include "ui/win32/created_event.h"

namespace vq {

std::function<void()> ProgramCreatedEvent() {
  return [] { ApplySkin(kAppliedSkin); };
}

}  // namespace vq
