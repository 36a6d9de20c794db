// The engine's one entry point, as the program and the engine library both see it.
#pragma once

// Windows: the called function removes its six 32-bit arguments (stdcall on i686; x86_64 has one
// convention only) and is exported under its plain name.
#if defined(_WIN32)
#define VQ_SKIN_CALL __stdcall
#define VQ_SKIN_EXPORT extern "C" __declspec(dllexport)
#else
#define VQ_SKIN_CALL
#define VQ_SKIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace vq {

// Exported as "SkinH_AttachRes": reads the skin from `skin` (`length` bytes) during the call,
// keeps nothing that points into it, and attaches it to the calling program's user interface.
// `text` and the three integers are reserved (the program passes "" and zeros). Returns 1 when the
// skin was attached, 0 when it could not be read or there was nothing to attach it to. Call it on
// the user-interface thread.
using SkinAttachFunction = int(VQ_SKIN_CALL*)(const unsigned char* skin, int length,
                                              const char* text, int reserved1, int reserved2,
                                              int reserved3);

inline constexpr char kSkinAttachExport[] = "SkinH_AttachRes";

}  // namespace vq
