#include <sys/stat.h>

#include "platform/files.h"
#include "tests/platform/files_platform.h"

namespace vq::test {

const char kSeparator[] = "/";

std::vector<AttributeCase> AttributeCases() {
  // Only read-only has an equivalent: the write bits. The rest leave the mode as it was,
  // except that a file that is not read-only is writable by its owner.
  return {{0, 0},
          {kFileAttributeReadOnly, 0},
          {kFileAttributeHidden, 0},
          {kFileAttributeSystem, 0},
          {kFileAttributeArchive, 0},
          {kFileAttributeReadOnly | kFileAttributeHidden, 0},
          {0x80 | kFileAttributeHidden, 0}};
}

std::uint32_t FileState(const Text& path) {
  struct stat info {};
  if (stat(path.CStr(), &info) != 0) return 0xFFFFFFFFu;
  return info.st_mode & 07777;
}

std::uint32_t ExpectedState(std::uint32_t before, const AttributeCase& c) {
  if ((c.given & kFileAttributeReadOnly) != 0) return before & ~0222u;
  return before | S_IWUSR;
}

void MakeRemovable(const Text& path) {
  chmod(path.CStr(), 0644);
}

}  // namespace vq::test
