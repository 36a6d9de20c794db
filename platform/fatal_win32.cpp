#include <windows.h>

#include <string>

#include "platform/fatal.h"

namespace vq {

void SetFatalBoxPresenter(FatalBoxPresenter) {}

void FatalError(std::string_view gbk_cause) {
  // The message is GBK; on a system whose ANSI code page is another, convert through 936.
  const std::string cause(gbk_cause);
  wchar_t wide[1024];
  const int n = MultiByteToWideChar(936, 0, cause.c_str(), -1, wide, 1024);
  if (n > 0) {
    MessageBoxW(nullptr, wide, L"\x9519\x8BEF", MB_OK | MB_ICONERROR);  // 错误
  } else {
    MessageBoxA(nullptr, cause.c_str(), "Error", MB_OK | MB_ICONERROR);
  }
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace vq
