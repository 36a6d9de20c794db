#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "platform/files.h"

namespace vq {
namespace {
std::string ExecutableDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string full(path, static_cast<std::size_t>(length));
  const std::size_t slash = full.rfind('/');
  return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

// Fixed once, at process start.
const std::string g_run_directory = ExecutableDirectory();

bool WriteWhole(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}
}  // namespace

Text PathSeparator() {
  return "/";
}

Text RunDirectory() {
  return Text(g_run_directory);
}

bool SetCurrentDirectoryTo(const Text& directory) {
  return chdir(directory.CStr()) == 0;
}

bool FileExists(const Text& path) {
  struct stat info {};
  return !path.Empty() && lstat(path.CStr(), &info) == 0;
}

bool FileWriteAll(const Text& path, std::initializer_list<Bytes> pieces) {
  if (path.Empty()) return false;
  const int fd = open(path.CStr(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  for (const Bytes& piece : pieces) {
    if (ok && !piece.Empty()) ok = WriteWhole(fd, piece.View());
  }
  return (close(fd) == 0) && ok;
}

bool FileRemove(const Text& path) {
  return !path.Empty() && unlink(path.CStr()) == 0;
}

bool FileSetAttributes(const Text& path, std::uint32_t attributes) {
  struct stat info {};
  if (path.Empty() || stat(path.CStr(), &info) != 0) return false;
  mode_t mode = info.st_mode & 07777;
  if (attributes & kFileAttributeReadOnly) {
    mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
  } else {
    mode |= S_IWUSR;
  }
  return chmod(path.CStr(), mode) == 0;
}

}  // namespace vq
