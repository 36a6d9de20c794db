#include "skin/stored_data.h"

#include "skin/skin_setup.h"

namespace vq {

StoredBlock StoredEngineBlock() {
  return kStoredBlockCount > 0 ? kStoredBlocks[0] : StoredBlock{};
}

StoredBlock StoredSkinBlock(std::int32_t number) {
  if (number < 1 || number > kSkinCount || static_cast<std::size_t>(number) >= kStoredBlockCount) {
    return {};
  }
  return kStoredBlocks[number];
}

Bytes SkinEngineImage() {
  const StoredBlock block = StoredEngineBlock();
  return BytesFromStored(block.data, block.size);
}

Bytes StoredSkin(std::int32_t number) {
  const StoredBlock block = StoredSkinBlock(number);
  return BytesFromStored(block.data, block.size);
}

}  // namespace vq
