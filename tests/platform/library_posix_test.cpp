#include <dlfcn.h>

#include <string>

#include "platform/files.h"
#include "tests/platform/library_state.h"

namespace vq::test {

bool IsLibraryLoaded(const std::string& file_name) {
  const std::string path = std::string(RunDirectory().View()) + "/" + file_name;
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);  // RTLD_NOLOAD took a reference of its own
  return true;
}

bool FatalErrorEndsWithoutABox() {
  return true;
}

}  // namespace vq::test
