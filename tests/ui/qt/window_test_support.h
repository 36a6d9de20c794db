// What the window's tests share: texts written in UTF-8, waiting on the event loop, a window.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "text/gbk_utf8.h"
#include "text/text.h"
#include "ui/qt/main_window.h"

namespace vq::testing {

// A u8"" literal as the QString a control shows, and as the GBK Text an operation returns.
inline QString Shown(std::u8string_view utf8) {
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                           static_cast<qsizetype>(utf8.size()));
}
inline Text Gbk(std::u8string_view utf8) {
  return Utf8ToGbk(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

// Runs the event loop until `done()` holds or ten seconds have passed; whether it holds.
template <typename Done>
bool RunUntil(Done done, int limit_ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > limit_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// Runs the event loop for a while: for the absence of an effect that would come from the loop.
inline void RunFor(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// An endpoint where nothing listens: the exchange fails at once.
inline constexpr const char* kDeadEndpoint = "http://127.0.0.1:9/android_3.7.php";

// A shown, active window posting to `endpoint`, with no created event of its own.
inline std::unique_ptr<MainWindow> OpenWindow(const std::string& endpoint = kDeadEndpoint,
                                              std::function<void()> on_created = {}) {
  auto window =
      std::make_unique<MainWindow>(MainWindowSetup{std::move(on_created), Text(endpoint), 5000});
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  (void)QTest::qWaitForWindowExposed(window.get());
  (void)QTest::qWaitForWindowActive(window.get());
  return window;
}

}  // namespace vq::testing
