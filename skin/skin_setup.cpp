#include "skin/skin_setup.h"

#include "platform/files.h"
#include "platform/library.h"
#include "skin/engine/skin_engine_api.h"
#include "text/text_ops.h"

namespace vq {
namespace {

Text LibraryPath() {
  return TextJoin({RunDirectory(), PathSeparator(), SkinEngineLibraryName()});
}

// Bound at the first call and kept until the process ends; no engine is the fatal error.
SkinAttachFunction AttachFunction() {
  static const auto bound = reinterpret_cast<SkinAttachFunction>(BindLibraryFunctionOrDie(
      SkinEngineLibraryName(), kSkinAttachExport, LibrarySearch::kRunDirectoryFirst));
  return bound;
}

}  // namespace

Text SkinEngineLibraryName() {
  return "SkinH_EL.dll";
}

void EnsureSkinEngine() {
  const Text path = LibraryPath();
  // Whatever is there already (a file of any content, even a directory) is left alone.
  if (FileExists(path)) return;
  if (!FileWriteAll(path, {SkinEngineImage()})) {
    // A part of the engine would stay for good (an existing file is never replaced) and fail
    // every later start; without it the next start writes the whole engine again.
    FileRemove(path);
    return;
  }
  FileSetAttributes(path, kFileAttributeHidden);
}

void ApplySkin(std::int32_t number) {
  EnsureSkinEngine();
  // A private copy: the engine sees fresh bytes that live only for the call.
  const Bytes copy = StoredSkin(number);
  const unsigned char* data = copy.Empty() ? nullptr : copy.Data();
  const int length = static_cast<int>(copy.Size());
  static const char kNoText[] = "";
  AttachFunction()(data, length, kNoText, 0, 0, 0);
}

}  // namespace vq
