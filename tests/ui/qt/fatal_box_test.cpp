// The fatal error box: shown on the GUI thread only, with the GBK message as its text.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>

#include <future>

#include "tests/ui/qt/window_test_support.h"
#include "ui/qt/fatal_box.h"

namespace vq::testing {
namespace {

TEST(FatalBox, OnTheGuiThreadShowsTheMessageUntilClosed) {
  const Text message = Gbk(u8"载入启动窗口失败");
  QString seen_text;
  QMessageBox::Icon seen_icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen_text = box->text();
    seen_icon = box->icon();
    box->done(QMessageBox::Ok);
  });
  ShowFatalBox(message.View());  // returns once the box is closed
  EXPECT_EQ(seen_text, Shown(u8"载入启动窗口失败"));
  EXPECT_EQ(seen_icon, QMessageBox::Critical);
}

TEST(FatalBox, OffTheGuiThreadShowsNothing) {
  auto call = std::async(std::launch::async, [] { ShowFatalBox("no box"); });
  ASSERT_EQ(call.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  RunFor(50);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    EXPECT_EQ(qobject_cast<QMessageBox*>(top), nullptr);
  }
}

}  // namespace
}  // namespace vq::testing
