// The engine on Windows: dresses the windows of the calling thread.
#include <windows.h>

#include "skin/engine/skin_engine_api.h"
#include "skin/engine/skin_reader.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL SkinH_AttachRes(const unsigned char* skin, int length,
                                                const char* /*text*/, int /*reserved1*/,
                                                int /*reserved2*/, int /*reserved3*/) {
  const std::optional<vq::skin::Skin> read = vq::skin::ReadSkin(skin, length);
  return read ? 1 : 0;
}
