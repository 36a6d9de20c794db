// The Linux program: one window, the event loop, exit code 0.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "platform/fatal.h"
#include "platform/files.h"
#include "query/query_exchange.h"
#include "ui/qt/created_event.h"
#include "ui/qt/fatal_box.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vq::SetFatalBoxPresenter(&vq::ShowFatalBox);
  vq::SetCurrentDirectoryTo(vq::RunDirectory());

  auto* window = new vq::MainWindow({vq::ProgramCreatedEvent(), vq::QueryEndpoint()});
  window->SetOnTornDown([] { QCoreApplication::quit(); });
  if (!window->TornDown()) {
    window->show();
    QApplication::exec();
  }
  delete window;  // the teardown has run: every worker now finds the window gone

  // Workers may still be blocked in the network or waiting on an information box; they are
  // detached and hold copies of library state. Running the static destructors (Qt's, curl's)
  // under them could crash, and waiting for them could take the network's time-out, so the
  // process ends here at once, with what it printed flushed.
  std::fflush(nullptr);
  std::_Exit(0);
}
