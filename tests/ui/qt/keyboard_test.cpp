// Focus order, Tab and Shift+Tab, Esc, Enter and the space bar.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/answer_server.h"
#include "tests/ui/qt/window_test_support.h"

namespace vq::testing {
namespace {

std::vector<QWidget*> FocusOrder(const MainWindow& window) {
  return {window.QueryButton(), window.ProvinceCombo(), window.PlateEdit(), window.History(),
          window.Results()};
}

TEST(Keyboard, FocusStartsOnTheQueryButton) {
  auto window = OpenWindow();
  EXPECT_EQ(QApplication::focusWidget(), window->QueryButton());
}

TEST(Keyboard, TabAndShiftTabWalkTheFocusOrderAndWrap) {
  auto window = OpenWindow();
  const std::vector<QWidget*> order = FocusOrder(*window);
  struct Walk {
    const char* name;
    Qt::Key key;
    int step;
  };
  for (const Walk& walk : {Walk{"Tab", Qt::Key_Tab, 1}, Walk{"Shift+Tab", Qt::Key_Backtab, -1}}) {
    SCOPED_TRACE(walk.name);
    window->QueryButton()->setFocus();
    int at = 0;
    // Twice round, so the wrap in both directions is seen.
    for (int i = 0; i < 2 * static_cast<int>(order.size()); ++i) {
      QTest::keyClick(QApplication::focusWidget(), walk.key);
      at = (at + walk.step + static_cast<int>(order.size())) % static_cast<int>(order.size());
      ASSERT_EQ(QApplication::focusWidget(), order[static_cast<size_t>(at)]) << "step " << i;
    }
  }
}

TEST(Keyboard, TabSkipsHiddenAndDisabledControls) {
  auto window = OpenWindow();
  window->ProvinceCombo()->setEnabled(false);
  window->History()->hide();
  window->QueryButton()->setFocus();
  QTest::keyClick(window->QueryButton(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->PlateEdit());
  QTest::keyClick(window->PlateEdit(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->Results());
  QTest::keyClick(window->Results(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), window->PlateEdit());
}

TEST(Keyboard, FocusComesBackAfterReactivation) {
  auto window = OpenWindow();
  window->PlateEdit()->setFocus();
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(QApplication::focusWidget(), window->PlateEdit());
}

TEST(Keyboard, EscClosesTheWindowFromEveryControl) {
  for (int i = 0; i < 5; ++i) {
    auto window = OpenWindow();
    QWidget* control = FocusOrder(*window)[static_cast<size_t>(i)];
    SCOPED_TRACE(control->metaObject()->className());
    control->setFocus();
    bool torn_down = false;
    window->SetOnTornDown([&] { torn_down = true; });
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_TRUE(torn_down);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Ops()->ProvinceSelection(), -1) << "the window is gone for the operations";
  }
}

TEST(Keyboard, EnterStartsNothingAndTheSpaceBarOnTheButtonStartsAQuery) {
  AnswerServer server([](const std::string&) { return Answer{FoundPage("2")}; });
  auto window = OpenWindow(server.Endpoint());
  window->PlateEdit()->setText("A12345");
  QTest::keyClick(window->PlateEdit(), Qt::Key_Return);
  window->QueryButton()->setFocus();
  QTest::keyClick(window->QueryButton(), Qt::Key_Return);
  QTest::keyClick(window->QueryButton(), Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), window->QueryButton()) << "Enter moves no focus";
  QTest::keyClick(window->QueryButton(), Qt::Key_Space);
  ASSERT_TRUE(RunUntil([&] { return window->Results()->topLevelItemCount() == 1; }));
  RunFor(300);  // a query started by Enter would have arrived with the one of the space bar
  EXPECT_EQ(server.Bodies().size(), 1u);
  EXPECT_EQ(window->Results()->topLevelItemCount(), 1);
}

}  // namespace
}  // namespace vq::testing
