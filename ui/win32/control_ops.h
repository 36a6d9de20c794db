// The operations on the main window's controls, over the real Win32 controls.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "ui/main_window_ops.h"

namespace vq {

// The main window and its seven controls.
struct WindowControls {
  HWND window = nullptr;
  HWND result_list = nullptr;     // 超级列表框2
  HWND history_list = nullptr;    // 超级列表框1
  HWND plate_label = nullptr;     // 标签2
  HWND plate_edit = nullptr;      // 编辑框1
  HWND province_label = nullptr;  // 标签1
  HWND province_combo = nullptr;  // 组合框1
  HWND query_button = nullptr;    // 按钮1
};

// The private message that carries a call from a worker to the window's thread: lParam points to
// a std::function<void()> that the window procedure runs (RunCarriedCall).
inline constexpr UINT kCarriedCallMessage = WM_APP + 1;

// Runs the call that a kCarriedCallMessage carries. The window's thread, from the window procedure.
void RunCarriedCall(LPARAM carried);

// Each operation is one message to its control. Any thread: off the window's thread the call is
// sent to the window (SendMessage of kCarriedCallMessage) and the caller waits. Once MarkGone()
// has run, every operation returns the empty value at once; the check is repeated on the window's
// thread, so a call already on its way touches nothing. The object may outlive the window.
class WindowControlOps final : public MainWindowOps {
 public:
  // `controls` must exist now; `window_thread` is the thread that owns them.
  WindowControlOps(const WindowControls& controls, DWORD window_thread);

  // The teardown: from now on no operation touches a control. The window's thread.
  void MarkGone() { gone_.store(true); }
  [[nodiscard]] bool Gone() const { return gone_.load(); }

  [[nodiscard]] int ProvinceSelection() override;
  void SetProvinceSelection(int index) override;
  [[nodiscard]] Text ProvinceItemText(int index) override;
  [[nodiscard]] Text PlateText() override;
  void SetPlateText(const Text& plate) override;
  int AppendResultItem(const Text& caption) override;
  int AppendHistoryRow() override;
  void SetHistoryCell(int row, int column, const Text& text) override;
  [[nodiscard]] int SelectedHistoryRow() override;
  [[nodiscard]] Text HistoryCellText(int row, int column) override;

 private:
  // Runs `body` on the window's thread while the caller waits; `empty` when the window is gone.
  template <typename Result>
  Result OnWindowThread(Result empty, const std::function<Result()>& body);
  void OnWindowThread(const std::function<void()>& body);

  const WindowControls controls_;
  const DWORD window_thread_;
  std::atomic<bool> gone_{false};
};

}  // namespace vq
