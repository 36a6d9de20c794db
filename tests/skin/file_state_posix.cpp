#include <sys/stat.h>

#include <string>

#include "tests/skin/file_state.h"

namespace vq::test {

bool HasWrittenHiddenState(const std::string& path, std::string* why) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    *why = "no regular file";
    return false;
  }
  // Created 0644 less the umask; "hidden" has no equivalent and, not being read-only, it only
  // makes sure the owner may write.
  const mode_t mask = umask(0);
  umask(mask);
  const mode_t expected = ((0644 & ~mask) | S_IWUSR) & 07777;
  const mode_t found = info.st_mode & 07777;
  if (found != expected) {
    *why = "mode " + std::to_string(found) + " instead of " + std::to_string(expected);
    return false;
  }
  return true;
}

bool MakeDirectoryReadOnly(const std::string& directory) {
  // As root the children run as nobody (ChildRun::unprivileged), for whom 0555 holds.
  return chmod(directory.c_str(), 0555) == 0;
}

}  // namespace vq::test
