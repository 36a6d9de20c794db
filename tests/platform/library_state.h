// Whether a library is loaded in this process, asked of the platform directly.
#pragma once

#include <string>

namespace vq::test {

// True when the library of that file name (next to the test program) is loaded now.
bool IsLibraryLoaded(const std::string& file_name);

// Whether this platform's fatal error can be observed from a death test (Windows shows a box).
bool FatalErrorEndsWithoutABox();

}  // namespace vq::test
