// A click in the history list puts its row back into the inputs; real mouse messages to the list.
#include <windows.h>

#include <commctrl.h>

#include "tests/ui/win32/window_fixture.h"

namespace vq::test {
namespace {

class HistoryClick : public MainWindowTest {
 protected:
  void AddRow(const Text& province, const Text& plate) {
    const int row = Ops().AppendHistoryRow();
    Ops().SetHistoryCell(row, 0, province);
    Ops().SetHistoryCell(row, 1, plate);
  }
  POINT RowCentre(HWND list, int row) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  POINT BelowTheRows(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    return {client.right / 2, client.bottom - 6};
  }
  void Click(HWND list, POINT at, bool right = false) {
    PostClick(list, at, right);
    PumpFor(60);
  }
  void TypeInputs(int province, const Text& plate) {
    Ops().SetProvinceSelection(province);
    Ops().SetPlateText(plate);
  }
};

TEST_F(HistoryClick, ARowComesBackIntoTheInputs) {
  AddRow("京", "A12345");
  AddRow("川", "B67890");
  struct Case {
    int row;
    int province;
    Text plate;
  };
  for (const Case& c : {Case{0, 1, "A12345"}, Case{1, 30, "B67890"}, Case{0, 1, "A12345"}}) {
    TypeInputs(5, "ZZZ");
    Click(Controls().history_list, RowCentre(Controls().history_list, c.row));
    EXPECT_EQ(Ops().SelectedHistoryRow(), c.row);
    EXPECT_EQ(Ops().ProvinceSelection(), c.province) << c.row;
    EXPECT_EQ(Ops().PlateText(), c.plate) << c.row;
  }
}

TEST_F(HistoryClick, RowsOfAnyContentFollowTheLookup) {
  struct Case {
    const char* name;
    Text province, plate;
    int expected_province;
  };
  for (const Case& c :
       {Case{"empty plate", "京", "", 1}, Case{"empty province", "", "C1", 0},
        Case{"outside the table", "港", "D2", -1}, Case{"two abbreviations", "京冀", "E3", 1}}) {
    window_.reset();
    SetUp();
    AddRow(c.province, c.plate);
    TypeInputs(30, "ZZZ");
    Click(Controls().history_list, RowCentre(Controls().history_list, 0));
    EXPECT_EQ(Ops().ProvinceSelection(), c.expected_province) << c.name;
    EXPECT_EQ(Ops().PlateText(), c.plate) << c.name;
  }
}

TEST_F(HistoryClick, AClickOnTheEmptyListGivesTheFirstProvinceAndNoPlate) {
  TypeInputs(30, "B67890");
  Click(Controls().history_list, BelowTheRows(Controls().history_list));
  EXPECT_EQ(Ops().ProvinceSelection(), 0);
  EXPECT_EQ(Ops().PlateText(), Text(""));
}

TEST_F(HistoryClick, AClickBelowTheRowsClearsTheSelectionAndTheInputs) {
  AddRow("京", "A12345");
  AddRow("川", "B67890");
  Click(Controls().history_list, RowCentre(Controls().history_list, 1));
  ASSERT_EQ(Ops().SelectedHistoryRow(), 1);
  Click(Controls().history_list, BelowTheRows(Controls().history_list));
  EXPECT_EQ(Ops().SelectedHistoryRow(), -1);
  EXPECT_EQ(Ops().ProvinceSelection(), 0);
  EXPECT_EQ(Ops().PlateText(), Text(""));
  EXPECT_EQ(ListItemCount(Controls().history_list), 2);
}

TEST_F(HistoryClick, ClickingTheSameRowTwiceChangesNoList) {
  AddRow("京", "A12345");
  Ops().AppendResultItem("京A12345 共有 3 条违章");
  for (int click = 0; click < 2; ++click) {
    Click(Controls().history_list, RowCentre(Controls().history_list, 0));
    EXPECT_EQ(Ops().ProvinceSelection(), 1);
    EXPECT_EQ(Ops().PlateText(), Text("A12345"));
    EXPECT_EQ(Ops().SelectedHistoryRow(), 0);
    EXPECT_EQ(ListItemCount(Controls().history_list), 1);
    EXPECT_EQ(ListItemCount(Controls().result_list), 1);
  }
}

TEST_F(HistoryClick, RightClicksKeysAndTheResultListRecallNothing) {
  AddRow("京", "A12345");
  AddRow("川", "B67890");
  Ops().AppendResultItem("京A12345 共有 3 条违章");
  TypeInputs(5, "ZZZ");
  Click(Controls().history_list, RowCentre(Controls().history_list, 0), /*right=*/true);
  EXPECT_EQ(Ops().ProvinceSelection(), 5);
  EXPECT_EQ(Ops().PlateText(), Text("ZZZ"));

  SetFocus(Controls().history_list);
  PostKey(Controls().history_list, VK_DOWN);
  PumpFor(60);
  EXPECT_EQ(Ops().ProvinceSelection(), 5);
  EXPECT_EQ(Ops().PlateText(), Text("ZZZ"));

  Click(Controls().result_list, RowCentre(Controls().result_list, 0));
  EXPECT_EQ(Ops().ProvinceSelection(), 5);
  EXPECT_EQ(Ops().PlateText(), Text("ZZZ"));
}

}  // namespace
}  // namespace vq::test
