// A wininet.dll that must never be loaded: it sits next to the library search test's program.
// Were it bound, no exchange could start.
#include <windows.h>

extern "C" __declspec(dllexport) void* WINAPI
    InternetOpenA(const char*, DWORD, const char*, const char*, DWORD) {
  return nullptr;
}
