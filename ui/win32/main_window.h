// MainWindow on Win32: the program's one window, its seven controls, its keys and its events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "text/text.h"
#include "ui/query_worker.h"
#include "ui/win32/control_ops.h"

namespace vq {

inline constexpr wchar_t kMainWindowClassName[] = L"VqMainWindow";

struct MainWindowSetup {
  std::function<void()> on_created;  // the created event: controls exist, window not yet shown
  Text endpoint;                     // where the queries are posted
  std::int32_t timeout_ms = 18000;   // of each network step of a query
  InformationBox inform;             // the rate-limit box, shown by the worker
};

class MainWindow {
 public:
  // Registers the classes, creates the window hidden with its controls, runs the created event and
  // shows the window unless the event destroyed it. nullptr when the window cannot be created.
  // The window's thread (the one that will run the message loop); the caller owns the object,
  // which must outlive the window's messages (the destructor destroys a window still there).
  [[nodiscard]] static std::unique_ptr<MainWindow> Create(MainWindowSetup setup);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The window and its controls; all null once the window is destroyed. The window's thread.
  [[nodiscard]] const WindowControls& Controls() const { return controls_; }
  [[nodiscard]] HWND Handle() const { return controls_.window; }

  // The operations on the controls, shared with the workers; they outlive the window.
  [[nodiscard]] std::shared_ptr<MainWindowOps> Ops() const { return ops_; }

  // The keys the window handles itself, looked at before the message is dispatched: true when the
  // key was taken and must not reach the control. The window's thread, from the message loop.
  bool TakeKey(const MSG& message);

  // The window of ours that `any` belongs to (itself or one of its controls); null when none.
  [[nodiscard]] static MainWindow* Owning(HWND any);

  // How many windows of ours exist now. The window's thread.
  [[nodiscard]] static int LiveCount();

 private:
  explicit MainWindow(MainWindowSetup setup);
  static bool RegisterWindowClass(HINSTANCE instance);
  bool CreateWindowAndControls();
  bool CreateControls();
  void ApplyStackingOrder();
  // The control after (or before) `from` in the focus order that is visible and enabled.
  [[nodiscard]] HWND NextFocusable(HWND from, bool forward) const;
  void MoveFocus(bool forward);
  void RememberFocus(HWND focus);  // when it is one of the controls
  void RestoreFocus();
  void Teardown();

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
  };
  struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };

  MainWindowSetup setup_;
  WindowControls controls_;
  std::shared_ptr<WindowControlOps> ops_;
  std::unique_ptr<QueryWorkers> workers_;
  std::unique_ptr<HICON__, IconDeleter> big_icon_;
  std::unique_ptr<HICON__, IconDeleter> small_icon_;
  std::unique_ptr<HFONT__, FontDeleter> plate_font_;
  HWND remembered_focus_ = nullptr;
};

}  // namespace vq
