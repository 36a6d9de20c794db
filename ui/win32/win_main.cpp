// The program's entry: start-up, the main window, the message loop, the end of the process.
#include <windows.h>

#include <cstdio>

#include "platform/fatal.h"
#include "platform/files.h"
#include "query/query_exchange.h"
#include "ui/win32/created_event.h"
#include "ui/win32/information_box.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_loop.h"
#include "ui/window_texts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vq::SetCurrentDirectoryTo(vq::RunDirectory());

  vq::MainWindowSetup setup;
  setup.on_created = vq::ProgramCreatedEvent();
  setup.endpoint = vq::QueryEndpoint();
  setup.inform = vq::ShowInformationBox;
  const auto window = vq::MainWindow::Create(std::move(setup));
  if (!window) vq::FatalError(vq::StartWindowFailed().View());

  vq::RunMessageLoop();

  // Earlier query workers may still wait for the network and hold shared objects. Ending the
  // process here stops them before any static object is destroyed, so none of them can use one
  // that is already gone, and the exit never waits for the network.
  std::fflush(nullptr);
  ExitProcess(0);
}
