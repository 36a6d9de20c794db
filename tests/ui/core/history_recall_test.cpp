// RecallHistoryRow with a window that has no toolkit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/ui/core/stand_in_window.h"
#include "ui/history_recall.h"

namespace vq::testing {
namespace {

TEST(HistoryRecall, TheSelectedRowGoesBackIntoTheInputs) {
  struct Case {
    const char* name;
    std::vector<std::array<Text, 2>> rows;
    int selected;
    int province;  // 组合框1 afterwards
    Text plate;    // 编辑框1 afterwards
  };
  const std::vector<Case> cases = {
      {"a row of the table", {{"京", "A12345"}, {"川", "B67890"}}, 0, 1, "A12345"},
      {"the second row", {{"京", "A12345"}, {"川", "B67890"}}, 1, 30, "B67890"},
      {"no row selected", {{"京", "A12345"}}, -1, 0, ""},
      {"an empty list", {}, -1, 0, ""},
      {"an empty province", {{"", "C1"}}, 0, 0, "C1"},
      {"a province outside the table", {{"港", "D2"}}, 0, -1, "D2"},
      {"an empty plate", {{"粤", ""}}, 0, 11, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = std::make_shared<StandInWindow>();
    window->OnWindowThread([&](WindowState& s) {
      s.history = c.rows;
      s.selected_row = c.selected;
      s.selection = 5;
      s.plate = "typed";
      return 0;
    });
    window->OnWindowThread([&](WindowState&) {
      RecallHistoryRow(*window);  // on the window's thread, as the click handler runs it
      return 0;
    });
    const WindowState state = window->OnWindowThread([](WindowState& s) { return s; });
    EXPECT_EQ(state.selection, c.province);
    EXPECT_EQ(state.plate, c.plate);
    EXPECT_EQ(state.history, c.rows) << "the list keeps its rows";
    EXPECT_EQ(state.selected_row, c.selected) << "and its selection";
  }
}

TEST(HistoryRecall, WritesTheProvinceBeforeReadingThePlate) {
  auto window = std::make_shared<StandInWindow>();
  window->OnWindowThread([](WindowState& s) {
    s.history = {{"京", "A12345"}};
    s.selected_row = 0;
    return 0;
  });
  RecallHistoryRow(*window);  // from another thread: every step is handed over and waited for
  const std::vector<std::string> expected = {"SelectedHistoryRow",   "HistoryCellText",
                                             "SetProvinceSelection", "SelectedHistoryRow",
                                             "HistoryCellText",      "SetPlateText"};
  EXPECT_EQ(window->Calls(), expected);
}

}  // namespace
}  // namespace vq::testing
