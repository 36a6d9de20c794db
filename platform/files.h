// The run directory and the few file operations the program needs.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text/text.h"

namespace vq {

// The separator between a directory and a name: "\" on Windows, "/" elsewhere.
[[nodiscard]] Text PathSeparator();

// The directory of the program's own executable, without a trailing separator, fixed at process
// start (empty when the path has no separator). Any thread.
[[nodiscard]] Text RunDirectory();

// Makes `directory` the process's current directory; false when the system refuses.
bool SetCurrentDirectoryTo(const Text& directory);

// True when a directory entry (a file or a directory) matches the path; false otherwise, an
// invalid path included.
[[nodiscard]] bool FileExists(const Text& path);

// Creates or truncates the file, writes each piece in turn, closes it. False with an empty path,
// when the open fails, or when a write or the close fails (the file stays as far as written).
bool FileWriteAll(const Text& path, std::initializer_list<Bytes> pieces);

// Removes the file; false when there is none or the system refuses.
bool FileRemove(const Text& path);

// File attribute bits; on Linux read-only maps to the write permission bits, the others have no
// equivalent there.
inline constexpr std::uint32_t kFileAttributeReadOnly = 1;
inline constexpr std::uint32_t kFileAttributeHidden = 2;
inline constexpr std::uint32_t kFileAttributeSystem = 4;
inline constexpr std::uint32_t kFileAttributeArchive = 32;

// Keeps the read-only, hidden, system and archive bits of `attributes` and makes them the file's
// attributes; whether the file system accepted the change.
bool FileSetAttributes(const Text& path, std::uint32_t attributes);

}  // namespace vq
