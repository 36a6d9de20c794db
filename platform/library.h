// Outside libraries, bound by library name and exported name at their first call.
#pragma once

#include "text/text.h"

namespace vq {

enum class LibrarySearch {
  kRunDirectoryFirst,    // the run directory first, then the system's ordinary search (outside
                         // engines)
  kSystemDirectoryOnly,  // the system directory only (platform libraries such as wininet.dll)
};

// Loads `library` from the candidates of `search` (the first one that loads is used) and looks up
// `function` in it. The library stays loaded until the process ends. When the library that loaded
// lacks the export it is released again and no further candidate is tried. Null on failure.
// Any thread. Callers keep the result (a function-local static) so each function binds once.
[[nodiscard]] void* BindLibraryFunction(const Text& library, const char* function,
                                        LibrarySearch search);

// As BindLibraryFunction; a failure is the fatal error naming the library and the function.
[[nodiscard]] void* BindLibraryFunctionOrDie(const Text& library, const char* function,
                                             LibrarySearch search);

}  // namespace vq
