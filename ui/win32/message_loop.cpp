#include "ui/win32/message_loop.h"

#include "ui/win32/main_window.h"

namespace vq {
namespace {
thread_local bool t_loop_running = false;
}  // namespace

void ProcessMessage(const MSG& message) {
  if (MainWindow* window = MainWindow::Owning(message.hwnd); window && window->TakeKey(message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop() {
  if (MainWindow::LiveCount() == 0) return 0;
  t_loop_running = true;
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
  t_loop_running = false;
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

bool MessageLoopRunning() {
  return t_loop_running;
}

}  // namespace vq
