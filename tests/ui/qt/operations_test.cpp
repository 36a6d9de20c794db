// The ten operations over the real controls: clamping, texts, threads, and a window that is gone.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "tests/ui/qt/window_test_support.h"

namespace vq::testing {
namespace {

// Runs `call` on a thread of its own while this (the window's) thread keeps its events going.
template <typename Call>
auto FromWorker(Call call) {
  auto result = std::async(std::launch::async, call);
  EXPECT_TRUE(RunUntil(
      [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
  return result.get();
}

TEST(Operations, SetProvinceSelectionClampsToTheItems) {
  auto window = OpenWindow();
  MainWindowOps& ops = *window->Ops();
  struct Case {
    int set;
    int selected;
  };
  for (const Case& c : {Case{5, 5}, Case{30, 30}, Case{31, 30}, Case{1000, 30}, Case{0, 0},
                        Case{-1, -1}, Case{-7, -1}}) {
    SCOPED_TRACE(c.set);
    ops.SetProvinceSelection(c.set);
    EXPECT_EQ(ops.ProvinceSelection(), c.selected);
    EXPECT_EQ(window->ProvinceCombo()->currentIndex(), c.selected);
  }
  EXPECT_TRUE(window->ProvinceCombo()->currentText().isEmpty()) << "no item shown";
}

TEST(Operations, ProvinceItemTextIsEmptyOutsideTheItems) {
  auto window = OpenWindow();
  MainWindowOps& ops = *window->Ops();
  EXPECT_EQ(ops.ProvinceItemText(0), Gbk(u8"津"));
  EXPECT_EQ(ops.ProvinceItemText(1), Gbk(u8"京"));
  EXPECT_EQ(ops.ProvinceItemText(30), Gbk(u8"川"));
  EXPECT_EQ(ops.ProvinceItemText(31), Text());
  EXPECT_EQ(ops.ProvinceItemText(-1), Text());
}

TEST(Operations, PlateTextRoundTripsAndUnheldCharactersComeBackAsQuestionMarks) {
  auto window = OpenWindow();
  MainWindowOps& ops = *window->Ops();
  ops.SetPlateText(Gbk(u8"京A12345"));
  EXPECT_EQ(window->PlateEdit()->text(), Shown(u8"京A12345"));
  EXPECT_EQ(ops.PlateText(), Gbk(u8"京A12345"));
  // Typed by the user: characters code page 936 has no place for.
  window->PlateEdit()->setText(Shown(u8"Aก1😀"));
  EXPECT_EQ(ops.PlateText(), Text("A?1?"));
  ops.SetPlateText(Text());
  EXPECT_TRUE(window->PlateEdit()->text().isEmpty());
}

TEST(Operations, ListsAppendRowsWithoutSelectingThemAndIgnoreMissingCells) {
  auto window = OpenWindow();
  MainWindowOps& ops = *window->Ops();
  EXPECT_EQ(ops.SelectedHistoryRow(), -1);
  EXPECT_EQ(ops.HistoryCellText(-1, 0), Text());
  EXPECT_EQ(ops.AppendResultItem(Gbk(u8"京A1 共有 1 条违章")), 0);
  EXPECT_EQ(ops.AppendResultItem(Gbk(u8"京A2 共有 2 条违章")), 1);
  EXPECT_EQ(window->Results()->topLevelItem(1)->text(0), Shown(u8"京A2 共有 2 条违章"));
  EXPECT_EQ(ops.AppendHistoryRow(), 0);
  EXPECT_EQ(ops.AppendHistoryRow(), 1);
  ops.SetHistoryCell(1, 0, Gbk(u8"川"));
  ops.SetHistoryCell(1, 1, Text("B67890"));
  for (const auto& [row, column] : {std::pair{2, 0}, {-1, 0}, {0, 2}, {0, -1}}) {
    ops.SetHistoryCell(row, column, Text("X"));
    EXPECT_EQ(ops.HistoryCellText(row, column), Text()) << row << "," << column;
  }
  EXPECT_EQ(ops.HistoryCellText(0, 0), Text());
  EXPECT_EQ(ops.HistoryCellText(1, 0), Gbk(u8"川"));
  EXPECT_EQ(ops.HistoryCellText(1, 1), Text("B67890"));
  EXPECT_EQ(window->History()->topLevelItemCount(), 2);
  EXPECT_TRUE(window->History()->selectedItems().isEmpty());
  EXPECT_TRUE(window->Results()->selectedItems().isEmpty());
  EXPECT_EQ(ops.SelectedHistoryRow(), -1);
  window->History()->topLevelItem(1)->setSelected(true);
  EXPECT_EQ(ops.SelectedHistoryRow(), 1);
}

TEST(Operations, CallsFromAWorkerThreadRunOnTheWindowThread) {
  auto window = OpenWindow();
  std::shared_ptr<MainWindowOps> ops = window->Ops();
  FromWorker([ops] {
    ops->SetProvinceSelection(30);
    ops->SetPlateText(Text("B67890"));
    const int row = ops->AppendHistoryRow();
    ops->SetHistoryCell(row, 0, ops->ProvinceItemText(ops->ProvinceSelection()));
    ops->SetHistoryCell(row, 1, ops->PlateText());
    return row;
  });
  EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 30);
  ASSERT_EQ(window->History()->topLevelItemCount(), 1);
  EXPECT_EQ(window->History()->topLevelItem(0)->text(0), Shown(u8"川"));
  EXPECT_EQ(window->History()->topLevelItem(0)->text(1), QString("B67890"));
}

TEST(Operations, AfterTheTeardownEveryOperationAnswersEmptyAndTouchesNothing) {
  auto window = OpenWindow();
  std::shared_ptr<MainWindowOps> ops = window->Ops();
  window->PlateEdit()->setText("A12345");
  window->close();
  const auto check = [&] {
    EXPECT_EQ(ops->ProvinceSelection(), -1);
    ops->SetProvinceSelection(3);
    EXPECT_EQ(ops->ProvinceItemText(0), Text());
    EXPECT_EQ(ops->PlateText(), Text());
    ops->SetPlateText(Text("X"));
    EXPECT_EQ(ops->AppendResultItem(Text("X")), -1);
    EXPECT_EQ(ops->AppendHistoryRow(), -1);
    ops->SetHistoryCell(0, 0, Text("X"));
    EXPECT_EQ(ops->SelectedHistoryRow(), -1);
    EXPECT_EQ(ops->HistoryCellText(0, 0), Text());
  };
  check();  // on the window's thread
  // From a worker, without this thread running its events: nothing may wait for it.
  auto worker = std::async(std::launch::async, check);
  EXPECT_EQ(worker.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 0);
  EXPECT_EQ(window->PlateEdit()->text(), QString("A12345"));
  EXPECT_EQ(window->Results()->topLevelItemCount(), 0);
  EXPECT_EQ(window->History()->topLevelItemCount(), 0);
  // The operations outlive the window itself.
  window.reset();
  EXPECT_EQ(ops->PlateText(), Text());
}

TEST(Operations, ACallWaitingInTheQueueIsReleasedWhenTheWindowGoes) {
  auto window = OpenWindow();
  std::shared_ptr<MainWindowOps> ops = window->Ops();
  window->PlateEdit()->setText("A12345");
  // This thread runs no events now, so the worker's call stays queued until the close.
  auto worker = std::async(std::launch::async, [ops] { return ops->PlateText(); });
  EXPECT_EQ(worker.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout)
      << "the call waits for the window's thread";
  window->close();
  ASSERT_EQ(worker.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(worker.get(), Text());
  RunFor(50);  // the queued call runs now and must find the window gone
  EXPECT_EQ(window->PlateEdit()->text(), QString("A12345"));
}

}  // namespace
}  // namespace vq::testing
