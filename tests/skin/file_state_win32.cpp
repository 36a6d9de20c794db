#include <windows.h>

#include <string>

#include "tests/platform/under_wine.h"
#include "tests/skin/file_state.h"

namespace vq::test {

bool HasWrittenHiddenState(const std::string& path, std::string* why) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *why = "no file";
    return false;
  }
  // Wine keeps the hidden bit but always reports the archive bit besides.
  const DWORD expected = test::RunningUnderWine() ? FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE
                                                  : FILE_ATTRIBUTE_HIDDEN;
  if (attributes != expected) {
    *why = "attributes " + std::to_string(attributes) + " instead of " + std::to_string(expected) +
           " (hidden alone)";
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
