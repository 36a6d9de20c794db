#include <windows.h>

#include <string>

#include "tests/skin/file_state.h"

namespace vq::test {

bool HasWrittenHiddenState(const std::string& path, std::string* why) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *why = "no file";
    return false;
  }
  if (attributes != FILE_ATTRIBUTE_HIDDEN) {
    *why = "attributes " + std::to_string(attributes) + " instead of hidden alone";
    return false;
  }
  return true;
}

// The read-only attribute of a directory does not stop new files on Windows, and the test runs
// as the owner: there is no read-only program directory to be had here.
bool MakeDirectoryReadOnly(const std::string&) {
  return false;
}

}  // namespace vq::test
