#include <windows.h>

#include "tests/platform/under_wine.h"

namespace vq::test {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace vq::test
