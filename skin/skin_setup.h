// Dressing the window in a skin through our skin engine library, carried inside the program.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace vq {

inline constexpr int kSkinCount = 33;
inline constexpr int kAppliedSkin = 33;

// The library file's name, next to the program and for the system's search.
[[nodiscard]] Text SkinEngineLibraryName();  // "SkinH_EL.dll"

// The engine's library image for this platform, and skin `number` (1 to 33; empty otherwise).
[[nodiscard]] Bytes SkinEngineImage();
[[nodiscard]] Bytes StoredSkin(std::int32_t number);

// Writes the engine next to the program, hidden, when no entry of that name is there.
void EnsureSkinEngine();

// Puts the engine in place, then hands it a private copy of skin `number` (none outside 1..33).
// The window's thread, from the main window's created event. No engine, or an engine without
// SkinH_AttachRes, is the fatal error.
void ApplySkin(std::int32_t number);

}  // namespace vq
