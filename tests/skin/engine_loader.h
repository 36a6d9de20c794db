// The real skin engine for tests: written from the stored image into a folder of its own, as the
// program writes it, and bound there by name.
#pragma once

#include "skin/engine/skin_engine_api.h"
#include "skin/engine/skin_reader.h"

namespace vq::test {

// The engine's entry point; bound once per test program and kept. Null when it cannot be bound.
[[nodiscard]] SkinAttachFunction RealEngine();

// Hands the real engine a copy of stored skin `number`, as the program does; the engine's result.
int AttachStored(int number);

// Stored skin `number` as the engine reads it (a stored skin always reads).
[[nodiscard]] skin::Skin StoredSkinRead(int number);

}  // namespace vq::test
