// The window's own keys, sent through the program's message handling as the keyboard queues them.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/message_loop.h"

namespace vq::test {
namespace {

// Holds a modifier key down in this thread's key state for as long as it lives.
class HeldModifier {
 public:
  explicit HeldModifier(BYTE key) : key_(key) { Set(0x80); }
  ~HeldModifier() { Set(0); }

 private:
  void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key_] = state;
    SetKeyboardState(keys);
  }
  BYTE key_;
};

// Counts the key messages that reach a control.
LRESULT CALLBACK CountKeys(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR counter) {
  if (message == WM_KEYDOWN || message == WM_CHAR) ++*reinterpret_cast<int*>(counter);
  return DefSubclassProc(control, message, wparam, lparam);
}

void CALLBACK EndLoopWithAnotherCode(HWND, UINT, UINT_PTR, DWORD) {
  PostQuitMessage(99);
}

class Keyboard : public MainWindowTest {
 protected:
  // Presses `key` where the focus is and lets the window handle it.
  void Press(WPARAM key) {
    PostKey(GetFocus(), key);
    PumpFor(30);
  }
  std::vector<HWND> FocusOrder() const {
    const WindowControls& c = Controls();
    return {c.query_button, c.province_combo, c.plate_edit, c.history_list, c.result_list};
  }
};

TEST_F(Keyboard, TheQueryButtonHasTheFocusAtFirst) {
  EXPECT_EQ(GetFocus(), Controls().query_button);
}

TEST_F(Keyboard, TabVisitsTheControlsInFocusOrderAndWrapsAround) {
  const std::vector<HWND> order = FocusOrder();
  for (std::size_t step = 1; step <= order.size(); ++step) {
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), order[step % order.size()]) << step;
  }
}

TEST_F(Keyboard, ShiftTabVisitsThemBackwards) {
  const std::vector<HWND> order = FocusOrder();
  HeldModifier shift(VK_SHIFT);
  for (std::size_t step = 1; step <= order.size(); ++step) {
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), order[(order.size() - step) % order.size()]) << step;
  }
}

TEST_F(Keyboard, TabSkipsHiddenAndDisabledControls) {
  EnableWindow(Controls().province_combo, FALSE);
  ShowWindow(Controls().plate_edit, SW_HIDE);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Controls().history_list);
  HeldModifier shift(VK_SHIFT);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Controls().query_button);
}

TEST_F(Keyboard, TabNeverReachesTheFocusedControl) {
  int keys = 0;
  SetWindowSubclass(Controls().plate_edit, CountKeys, 1, reinterpret_cast<DWORD_PTR>(&keys));
  SetFocus(Controls().plate_edit);
  PostKey(Controls().plate_edit, 'A');
  PumpFor(30);
  EXPECT_EQ(keys, 2);  // the letter's key-down and character arrive
  keys = 0;
  Press(VK_TAB);
  EXPECT_EQ(keys, 0);
  EXPECT_EQ(GetFocus(), Controls().history_list);
  RemoveWindowSubclass(Controls().plate_edit, CountKeys, 1);
}

TEST_F(Keyboard, WithCtrlOrAltTabDoesNothingOfTheWindows) {
  for (BYTE modifier : {BYTE{VK_CONTROL}, BYTE{VK_MENU}}) {
    HeldModifier held(modifier);
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), Controls().query_button) << int{modifier};
  }
}

TEST_F(Keyboard, EnterNeitherMovesTheFocusNorDoesAnythingOfTheWindows) {
  SetFocus(Controls().plate_edit);
  Press(VK_RETURN);
  EXPECT_EQ(GetFocus(), Controls().plate_edit);
  EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(Keyboard, EscClosesTheWindowWhateverHasTheFocusAndRunsTheTeardown) {
  for (HWND focus : FocusOrder()) {
    window_.reset();
    SetUp();  // a fresh window for each focus
    if (focus != Controls().query_button) {
      const std::vector<HWND> order = FocusOrder();
      for (HWND at : order) {
        if (at == focus) break;
        Press(VK_TAB);
      }
    }
    HWND window = Window();
    const auto ops = window_->Ops();
    Press(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }, 2000));
    EXPECT_EQ(ops->ProvinceSelection(), -1);  // the operations know the window is gone
    EXPECT_EQ(MainWindow::LiveCount(), 0);
  }
}

TEST_F(Keyboard, ShiftEscDoesNotClose) {
  HeldModifier shift(VK_SHIFT);
  Press(VK_ESCAPE);
  EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(Keyboard, EscEndsTheMessageLoopWithExitCodeZero) {
  PostKey(Controls().plate_edit, VK_ESCAPE);
  // Should the loop not end, this timer ends it with another code.
  const UINT_PTR watchdog = SetTimer(nullptr, 0, kWaitLimitMs, EndLoopWithAnotherCode);
  EXPECT_EQ(RunMessageLoop(), 0);
  KillTimer(nullptr, watchdog);
  EXPECT_EQ(MainWindow::LiveCount(), 0);
}

TEST_F(Keyboard, TheFocusComesBackAfterTheWindowWasInactive) {
  SetFocus(Controls().plate_edit);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(other);
  PumpFor(30);
  EXPECT_NE(GetFocus(), Controls().plate_edit);
  SetActiveWindow(Window());
  PumpFor(30);
  EXPECT_EQ(GetFocus(), Controls().plate_edit);
  DestroyWindow(other);
}

TEST_F(Keyboard, MinimisingAndRestoringKeepsTheRowsTheSizeAndTheFocus) {
  Ops().AppendHistoryRow();
  SetFocus(Controls().plate_edit);
  ShowWindow(Window(), SW_MINIMIZE);
  PumpFor(50);
  EXPECT_TRUE(IsIconic(Window()));
  ShowWindow(Window(), SW_RESTORE);
  PumpFor(50);
  EXPECT_FALSE(IsIconic(Window()));
  EXPECT_EQ(ListItemCount(Controls().history_list), 1);
  EXPECT_EQ(GetFocus(), Controls().plate_edit);
  RECT outer;
  GetWindowRect(Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 383);
  EXPECT_EQ(outer.bottom - outer.top, 241);
}

TEST_F(Keyboard, KeysFromTheKeyboardDeviceTakeTheSameWay) {
  SetForegroundWindow(Window());
  PumpFor(30);
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {
      {VK_TAB, 0}, {VK_TAB, KEYEVENTF_KEYUP}, {VK_TAB, 0}, {VK_TAB, KEYEVENTF_KEYUP}};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i][0];
    keys[i].ki.dwFlags = sequence[i][1];
  }
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Controls().plate_edit; }, 3000));
}

}  // namespace
}  // namespace vq::test
