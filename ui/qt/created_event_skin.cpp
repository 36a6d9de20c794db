#include "skin/skin_setup.h"
#include "ui/qt/created_event.h"

namespace vq {

std::function<void()> ProgramCreatedEvent() {
  return [] { ApplySkin(kAppliedSkin); };
}

}  // namespace vq
