#include "ui/win32/information_box.h"

#include <windows.h>

#include "ui/win32/gbk_wide.h"

namespace vq {

void ShowInformationBox(const Text& text, const Text& title) {
  MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), MB_OK);
}

}  // namespace vq
