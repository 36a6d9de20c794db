// The engine's exported entry point: read the skin during the call, then let this platform's half
// dress the program. Nothing keeps a pointer into the caller's bytes.
#include <optional>

#include "skin/engine/skin_attach.h"
#include "skin/engine/skin_engine_api.h"
#include "skin/engine/skin_reader.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL SkinH_AttachRes(const unsigned char* skin, int length,
                                                const char* /*text*/, int /*reserved1*/,
                                                int /*reserved2*/, int /*reserved3*/) {
  const std::optional<vq::skin::Skin> read = vq::skin::ReadSkin(skin, length);
  return read && vq::skin::AttachToProgram(*read) ? 1 : 0;
}
