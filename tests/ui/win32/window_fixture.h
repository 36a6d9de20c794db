// What the window tests share: a real main window on the test's thread, and bounded message pumps
// that go through the program's own message handling.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/win32/main_window.h"

namespace vq::test {

inline constexpr DWORD kWaitLimitMs = 10000;  // no wait of a test lasts longer

// Handles this thread's messages (keys through the window's own handling) until `done` holds or
// `limit_ms` has passed; whether `done` held.
bool PumpUntil(const std::function<bool()>& done, DWORD limit_ms = kWaitLimitMs);

// Handles this thread's messages for `ms` milliseconds.
void PumpFor(DWORD ms);

// A key press (down and up) posted to `target`, as the keyboard would queue it.
void PostKey(HWND target, WPARAM key);

// A left (or right) click posted to `target` at a client point.
void PostClick(HWND target, POINT at, bool right = false);

// The whole text of a window through the wide interface.
std::wstring WideWindowText(HWND window);

// The wide text of a list view cell.
std::wstring ListCellText(HWND list, int row, int column);
int ListItemCount(HWND list);

// Each test gets a fresh main window, created as the program creates it.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // What the window is created with; a test class may change it.
  virtual MainWindowSetup WindowSetup() { return {}; }

  [[nodiscard]] const WindowControls& Controls() const { return window_->Controls(); }
  [[nodiscard]] HWND Window() const { return window_->Handle(); }
  [[nodiscard]] MainWindowOps& Ops() const { return *ops_; }

  std::unique_ptr<MainWindow> window_;
  std::shared_ptr<MainWindowOps> ops_;
};

}  // namespace vq::test
