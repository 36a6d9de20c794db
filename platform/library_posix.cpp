#include <dlfcn.h>

#include <string>

#include "platform/files.h"
#include "platform/library.h"

namespace vq {
namespace {
// Libraries stay loaded until the process ends; the system releases them with it, so no worker
// that may still run at exit ever calls into an unloaded library.
void* LoadCandidate(const std::string& path) {
  return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
}  // namespace

void* BindLibraryFunction(const Text& library, const char* function, LibrarySearch search) {
  void* handle = nullptr;
  if (search == LibrarySearch::kRunDirectoryFirst) {
    std::string path(RunDirectory().View());
    path.append(PathSeparator().View()).append(library.View());
    handle = LoadCandidate(path);
  }
  if (handle == nullptr) handle = LoadCandidate(std::string(library.View()));
  if (handle == nullptr) return nullptr;
  void* bound = dlsym(handle, function);
  if (bound == nullptr) dlclose(handle);
  return bound;
}

}  // namespace vq
