#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/library.h"

namespace vq {
namespace {
// Libraries stay loaded until the process ends; the system releases them with it, so no worker
// that may still run at exit ever calls into an unloaded library.
HMODULE LoadCandidate(const std::string& path) {
  return LoadLibraryA(path.c_str());
}

std::string SystemDirectory() {
  char directory[MAX_PATH];
  const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
  return (length > 0 && length < MAX_PATH) ? std::string(directory, length) : std::string();
}
}  // namespace

void* BindLibraryFunction(const Text& library, const char* function, LibrarySearch search) {
  HMODULE handle = nullptr;
  if (search == LibrarySearch::kRunDirectoryFirst) {
    handle = LoadCandidate(std::string(RunDirectory().View()) + "\\" + std::string(library.View()));
    if (handle == nullptr) handle = LoadCandidate(std::string(library.View()));
  } else {
    // Never the program's directory: a file dropped next to the program must not run inside it.
    const std::string system = SystemDirectory();
    if (!system.empty()) handle = LoadCandidate(system + "\\" + std::string(library.View()));
  }
  if (handle == nullptr) return nullptr;
  FARPROC bound = GetProcAddress(handle, function);
  if (bound == nullptr) {
    FreeLibrary(handle);
    return nullptr;
  }
  return reinterpret_cast<void*>(bound);
}

}  // namespace vq
