// The operations on the controls: ranges, texts, the call from a worker and the window gone.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/ui/win32/window_fixture.h"
#include "text/text_ops.h"

namespace vq::test {
namespace {

using ControlOps = MainWindowTest;

TEST_F(ControlOps, SettingTheProvinceClampsTheIndex) {
  struct Case {
    int index;
    int selected;
  };
  for (const Case c : {Case{0, 0}, Case{5, 5}, Case{30, 30}, Case{31, 30}, Case{1000, 30},
                       Case{-1, -1}, Case{-7, -1}}) {
    Ops().SetProvinceSelection(c.index);
    EXPECT_EQ(SendMessageW(Controls().province_combo, CB_GETCURSEL, 0, 0), c.selected) << c.index;
    EXPECT_EQ(Ops().ProvinceSelection(), c.selected) << c.index;
  }
}

TEST_F(ControlOps, ProvinceItemTextIsGbkInsideTheItemsAndEmptyOutside) {
  struct Case {
    int index;
    Text text;
  };
  // The test's narrow literals are GBK, compiled independently of the window's conversion.
  for (const Case& c : {Case{0, "津"}, Case{1, "京"}, Case{30, "川"}, Case{31, ""}, Case{-1, ""}}) {
    EXPECT_EQ(Ops().ProvinceItemText(c.index), c.text) << c.index;
  }
}

TEST_F(ControlOps, PlateTextCrossesAsGbk) {
  Ops().SetPlateText("京A·12");
  EXPECT_EQ(WideWindowText(Controls().plate_edit), L"京A·12");
  EXPECT_EQ(Ops().PlateText(), Text("京A·12"));
  // A character that code page 936 cannot hold reads back as "?".
  SetWindowTextW(Controls().plate_edit, L"A\u0E01B");
  EXPECT_EQ(Ops().PlateText(), Text("A?B"));
  Ops().SetPlateText("");
  EXPECT_EQ(WideWindowText(Controls().plate_edit), L"");
  EXPECT_EQ(Ops().PlateText(), Text(""));
}

TEST_F(ControlOps, AppendedRowsAreNeitherSelectedNorScrolledTo) {
  EXPECT_EQ(Ops().AppendResultItem("京A12345 共有 3 条违章"), 0);
  EXPECT_EQ(Ops().AppendResultItem("second"), 1);
  EXPECT_EQ(ListCellText(Controls().result_list, 0, 0), L"京A12345 共有 3 条违章");
  EXPECT_EQ(ListCellText(Controls().result_list, 1, 0), L"second");
  EXPECT_EQ(Ops().AppendHistoryRow(), 0);
  EXPECT_EQ(ListCellText(Controls().history_list, 0, 0), L"");
  EXPECT_EQ(ListCellText(Controls().history_list, 0, 1), L"");
  EXPECT_EQ(SendMessageW(Controls().result_list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  EXPECT_EQ(Ops().SelectedHistoryRow(), -1);
}

TEST_F(ControlOps, HistoryCellsOutsideTheListAreEmptyAndUnchangeable) {
  EXPECT_EQ(Ops().SelectedHistoryRow(), -1);
  EXPECT_EQ(Ops().HistoryCellText(-1, 0), Text(""));
  const int row = Ops().AppendHistoryRow();
  Ops().SetHistoryCell(row, 0, "京");
  Ops().SetHistoryCell(row, 1, "A12345");
  struct Case {
    int row, column;
  };
  for (const Case c : {Case{-1, 0}, Case{1, 0}, Case{0, 2}, Case{0, -1}, Case{7, 1}}) {
    Ops().SetHistoryCell(c.row, c.column, "X");
    EXPECT_EQ(Ops().HistoryCellText(c.row, c.column), Text("")) << c.row << "," << c.column;
  }
  EXPECT_EQ(Ops().HistoryCellText(0, 0), Text("京"));
  EXPECT_EQ(Ops().HistoryCellText(0, 1), Text("A12345"));
  EXPECT_EQ(ListItemCount(Controls().history_list), 1);
}

TEST_F(ControlOps, ACellTextIsReadWholeHoweverLong) {
  const int row = Ops().AppendHistoryRow();
  for (const std::size_t length :
       {std::size_t{510}, std::size_t{511}, std::size_t{512}, std::size_t{2000}}) {
    const Text plate(std::string(length, 'Z') + "川");
    Ops().SetHistoryCell(row, 1, plate);
    EXPECT_EQ(Ops().HistoryCellText(row, 1), plate) << length;
  }
}

TEST_F(ControlOps, TheSelectedRowIsTheFirstSelected) {
  for (int i = 0; i < 3; ++i) Ops().AppendHistoryRow();
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageW(Controls().history_list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(Ops().SelectedHistoryRow(), 2);
}

TEST_F(ControlOps, AWorkerCallRunsOnTheWindowsThreadWhileTheWorkerWaits) {
  std::atomic<bool> done{false};
  int appended = -2;
  Text province;
  std::thread worker([&] {
    Ops().SetProvinceSelection(30);
    province = Ops().ProvinceItemText(Ops().ProvinceSelection());
    appended = Ops().AppendResultItem("from a worker");
    done = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
  worker.join();
  EXPECT_EQ(province, Text("川"));
  EXPECT_EQ(appended, 0);
  EXPECT_EQ(ListCellText(Controls().result_list, 0, 0), L"from a worker");
}

TEST_F(ControlOps, OnceTheWindowIsGoneEveryOperationIsEmptyAndDoesNotBlock) {
  Ops().SetPlateText("A1");
  window_.reset();
  auto check = [this] {
    EXPECT_EQ(Ops().ProvinceSelection(), -1);
    EXPECT_EQ(Ops().ProvinceItemText(0), Text(""));
    EXPECT_EQ(Ops().PlateText(), Text(""));
    EXPECT_EQ(Ops().AppendResultItem("x"), -1);
    EXPECT_EQ(Ops().AppendHistoryRow(), -1);
    EXPECT_EQ(Ops().SelectedHistoryRow(), -1);
    EXPECT_EQ(Ops().HistoryCellText(0, 0), Text(""));
    Ops().SetProvinceSelection(3);
    Ops().SetPlateText("B2");
    Ops().SetHistoryCell(0, 0, "y");
  };
  check();
  // From a worker, with nobody pumping messages: it must come back by itself.
  std::thread worker(check);
  worker.join();
}

}  // namespace
}  // namespace vq::test
