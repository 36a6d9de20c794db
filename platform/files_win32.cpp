#include <windows.h>

#include <string>

#include "platform/files.h"

namespace vq {
namespace {
std::string ExecutableDirectory() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  // By characters of the ANSI code page: the second byte of a double-byte character that happens
  // to be 5C is no backslash.
  const char* last_backslash = nullptr;
  for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
    if (*p == '\\') last_backslash = p;
  }
  return last_backslash == nullptr
             ? std::string()
             : std::string(path, static_cast<std::size_t>(last_backslash - path));
}

// Fixed once, at process start.
const std::string g_run_directory = ExecutableDirectory();
}  // namespace

Text PathSeparator() {
  return "\\";
}

Text RunDirectory() {
  return Text(g_run_directory);
}

bool SetCurrentDirectoryTo(const Text& directory) {
  return SetCurrentDirectoryA(directory.CStr()) != 0;
}

bool FileExists(const Text& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.CStr(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool FileWriteAll(const Text& path, std::initializer_list<Bytes> pieces) {
  if (path.Empty()) return false;
  HANDLE file = CreateFileA(path.CStr(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (const Bytes& piece : pieces) {
    const unsigned char* data = piece.Data();
    std::size_t left = piece.Size();
    while (ok && left > 0) {
      DWORD written = 0;
      const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
      ok = WriteFile(file, data, chunk, &written, nullptr) != 0 && written > 0;
      data += written;
      left -= written;
    }
  }
  return (CloseHandle(file) != 0) && ok;
}

bool FileRemove(const Text& path) {
  return !path.Empty() && DeleteFileA(path.CStr()) != 0;
}

bool FileSetAttributes(const Text& path, std::uint32_t attributes) {
  const DWORD kept = attributes & (kFileAttributeReadOnly | kFileAttributeHidden |
                                   kFileAttributeSystem | kFileAttributeArchive);
  return SetFileAttributesA(path.CStr(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept) != 0;
}

}  // namespace vq
