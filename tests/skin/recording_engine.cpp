// A stand-in skin engine, named as ours, that records each call it receives: one line per call
// in "attach-calls.txt" and the handed bytes in "attach-bytes.bin", both in the current
// directory.
#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "skin/engine/skin_engine_api.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL SkinH_AttachRes(const unsigned char* skin, int length,
                                                const char* text, int reserved1, int reserved2,
                                                int reserved3) {
  if (std::FILE* calls = std::fopen("attach-calls.txt", "a")) {
    std::fprintf(calls, "%" PRIuPTR " %d %d %d %d %d %d\n", reinterpret_cast<std::uintptr_t>(skin),
                 length, text == nullptr ? -1 : 1, text == nullptr ? -1 : text[0], reserved1,
                 reserved2, reserved3);
    std::fclose(calls);
  }
  if (skin != nullptr && length > 0) {
    if (std::FILE* bytes = std::fopen("attach-bytes.bin", "wb")) {
      std::fwrite(skin, 1, static_cast<std::size_t>(length), bytes);
      std::fclose(bytes);
    }
  }
  return 7;
}
