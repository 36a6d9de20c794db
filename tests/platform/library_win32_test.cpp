#include <windows.h>

#include <string>

#include "tests/platform/library_state.h"

namespace vq::test {

bool IsLibraryLoaded(const std::string& file_name) {
  return GetModuleHandleA(file_name.c_str()) != nullptr;
}

// The fatal error waits for its box to be closed; the skin tests answer it from outside.
bool FatalErrorEndsWithoutABox() {
  return false;
}

}  // namespace vq::test
