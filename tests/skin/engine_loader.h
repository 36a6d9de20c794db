// The real skin engine for tests: written from the stored image into a folder of its own, as the
// program writes it, and bound there by name.
#pragma once

#include "skin/engine/skin_engine_api.h"

namespace vq::test {

// The engine's entry point; bound once per test program and kept. Null when it cannot be bound.
[[nodiscard]] SkinAttachFunction RealEngine();

}  // namespace vq::test
