#include "tests/ui/win32/window_fixture.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/message_loop.h"

namespace vq::test {

bool PumpUntil(const std::function<bool()>& done, DWORD limit_ms) {
  const ULONGLONG deadline = GetTickCount64() + limit_ms;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message != WM_QUIT) ProcessMessage(message);
    }
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const auto wait = static_cast<DWORD>(std::min<ULONGLONG>(20, deadline - now));
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

void PostKey(HWND target, WPARAM key) {
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void PostClick(HWND target, POINT at, bool right) {
  // The pointer goes there too: a mouse move that the system makes up from the pointer's real
  // place between the two messages would otherwise drag the click elsewhere.
  POINT on_screen = at;
  ClientToScreen(target, &on_screen);
  SetCursorPos(on_screen.x, on_screen.y);
  const LPARAM point = MAKELPARAM(at.x, at.y);
  PostMessageW(target, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
               point);
  PostMessageW(target, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, point);
}

std::wstring WideWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ListCellText(HWND list, int row, int column) {
  std::wstring text(4096, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  text.resize(static_cast<std::size_t>(SendMessageW(
      list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))));
  return text;
}

int ListItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

void MainWindowTest::SetUp() {
  window_ = MainWindow::Create(WindowSetup());
  ASSERT_NE(window_, nullptr);
  ASSERT_NE(window_->Handle(), nullptr);
  ops_ = window_->Ops();
  PumpFor(50);  // the first paint and activation
}

void MainWindowTest::TearDown() {
  window_.reset();
  PumpFor(10);
}

}  // namespace vq::test
