#include <windows.h>

#include "platform/files.h"
#include "tests/platform/files_platform.h"
#include "tests/platform/under_wine.h"

namespace vq::test {

const char kSeparator[] = "\\";

std::vector<AttributeCase> AttributeCases() {
  // The four bits are kept, every other bit is dropped; nothing left is "normal".
  return {{0, FILE_ATTRIBUTE_NORMAL},
          {kFileAttributeReadOnly, FILE_ATTRIBUTE_READONLY},
          {kFileAttributeHidden, FILE_ATTRIBUTE_HIDDEN},
          {kFileAttributeSystem, FILE_ATTRIBUTE_SYSTEM},
          {kFileAttributeArchive, FILE_ATTRIBUTE_ARCHIVE},
          {kFileAttributeReadOnly | kFileAttributeHidden,
           FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
          {0x80 | kFileAttributeHidden, FILE_ATTRIBUTE_HIDDEN}};
}

std::uint32_t FileState(const Text& path) {
  return GetFileAttributesA(path.CStr());
}

std::uint32_t ExpectedState(std::uint32_t, const AttributeCase& c) {
  if (!RunningUnderWine()) return c.expected;
  return c.expected == FILE_ATTRIBUTE_NORMAL ? FILE_ATTRIBUTE_ARCHIVE
                                             : c.expected | FILE_ATTRIBUTE_ARCHIVE;
}

void MakeRemovable(const Text& path) {
  SetFileAttributesA(path.CStr(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace vq::test
