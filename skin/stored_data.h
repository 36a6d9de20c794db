// The blocks the program carries: the engine image first, then the skins 1 to 33, each in the
// stored layout (a 32-bit little-endian 1, a 32-bit little-endian byte count, the bytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vq {

// A stored block in the program's read-only data; never freed, never written.
struct StoredBlock {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

// Filled in by the build (stored_blocks.cmake).
extern const StoredBlock kStoredBlocks[];
extern const std::size_t kStoredBlockCount;

// The stored engine image, and stored skin `number` (an empty block outside 1..33). Any thread.
[[nodiscard]] StoredBlock StoredEngineBlock();
[[nodiscard]] StoredBlock StoredSkinBlock(std::int32_t number);

}  // namespace vq
