// What the file system says about a file, in the terms the skin setup promises.
#pragma once

#include <string>

namespace vq::test {

// True when `path` is a file whose attributes are what a fresh write followed by "hidden and
// nothing else" gives on this platform; `why` says what was found otherwise.
bool HasWrittenHiddenState(const std::string& path, std::string* why);

// Makes `directory` refuse new entries for the child processes of the tests; false when this
// platform or user cannot have that (the test is then skipped).
bool MakeDirectoryReadOnly(const std::string& directory);

}  // namespace vq::test
