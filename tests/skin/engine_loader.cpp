#include "tests/skin/engine_loader.h"

#include <cstdint>
#include <string>

#include "platform/library.h"
#include "skin/skin_setup.h"
#include "tests/skin/test_files.h"

namespace vq::test {

SkinAttachFunction RealEngine() {
  // The folder outlives the tests: the engine stays loaded until the process ends.
  static Folder* const folder = new Folder;
  static const auto bound = [] {
    const auto path = *folder / std::string(SkinEngineLibraryName().View());
    WriteWhole(path, std::string(SkinEngineImage().View()));
    // An absolute path: the run-directory candidate misses, the plain one is the path itself.
    return reinterpret_cast<SkinAttachFunction>(BindLibraryFunction(
        Text(path.string()), kSkinAttachExport, LibrarySearch::kRunDirectoryFirst));
  }();
  return bound;
}

int AttachStored(int number) {
  const Bytes stored = StoredSkin(number);
  const std::string copy(stored.View());
  return RealEngine()(reinterpret_cast<const unsigned char*>(copy.data()),
                      static_cast<int>(copy.size()), "", 0, 0, 0);
}

skin::Skin StoredSkinRead(int number) {
  const Bytes stored = StoredSkin(number);
  return *skin::ReadSkin(stored.Data(), static_cast<std::int64_t>(stored.Size()));
}

}  // namespace vq::test
