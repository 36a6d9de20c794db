#include <windows.h>

#include <string>

#include "tests/web/http_layer_lines.h"

namespace vq::test {
namespace {
bool HasName(std::string_view line, const char* name) {
  const std::string_view::size_type colon = line.find(':');
  const std::string line_name(line.substr(0, colon));
  return colon != std::string_view::npos && lstrcmpiA(line_name.c_str(), name) == 0;
}

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
}  // namespace

// WinInet's own lines: connection handling, the cache directives of a reload, and the length of
// a POST that has no body.
bool IsHttpLayerLine(std::string_view line) {
  for (const char* name : {"Host", "User-Agent", "Connection", "Cache-Control", "Pragma"}) {
    if (HasName(line, name)) return true;
  }
  return line == "Content-Length: 0";
}

bool StopEndsABlockedReceive() {
  return !RunningUnderWine();
}

}  // namespace vq::test
