// Queries from a click of the query button to the lists, against a real HTTP server on loopback.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/ui/win32/loopback_server.h"
#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/information_box.h"
#include "ui/win32/message_loop.h"

namespace vq::test {
namespace {

std::string FoundPage(const std::string& count) {
  return "<html><body><div>您查询的车辆 共有 <font color='red'><font color=red>" + count +
         "</font></font> 条违章！</div></body></html>";
}
const std::string kFoundWithoutCount = "<html><body><div>您查询的车辆暂无记录</div></body></html>";
const std::string kRateLimited = "<html><body>为保证网站正常运行，请稍后再试</body></html>";
const std::string kNoAnswer = "<html><body>系统维护中</body></html>";

class Query : public MainWindowTest {
 protected:
  MainWindowSetup WindowSetup() override {
    MainWindowSetup setup;
    setup.endpoint = Text(server_.Endpoint());
    setup.inform = ShowInformationBox;
    return setup;
  }
  void Ask(int province, const Text& plate) {
    Ops().SetProvinceSelection(province);
    Ops().SetPlateText(plate);
    PostClick(Controls().query_button, {28, 12});
  }
  bool WaitForResults(int count) {
    // The worker appends the result, then the history row, then fills its province and plate
    // (every plate of these tests is not empty).
    return PumpUntil([&] {
      return ListItemCount(Controls().result_list) >= count &&
             ListItemCount(Controls().history_list) >= count &&
             !ListCellText(Controls().history_list, count - 1, 1).empty();
    });
  }
  // What the server and the lists hold, for a failure's message.
  std::string State() {
    return "received " + std::to_string(server_.ReceivedCount()) + ", answered " +
           std::to_string(server_.Answered()) + ", results " +
           std::to_string(ListItemCount(Controls().result_list)) + ", history rows " +
           std::to_string(ListItemCount(Controls().history_list));
  }
  bool WaitForReceived(int count) {
    return PumpUntil([&] { return server_.ReceivedCount() >= count; });
  }
  std::wstring Result(int row) { return ListCellText(Controls().result_list, row, 0); }
  std::wstring History(int row, int column) {
    return ListCellText(Controls().history_list, row, column);
  }

  LoopbackServer server_;
};

TEST_F(Query, AnAnswerWithACountAddsAResultAndAHistoryRow) {
  server_.Answer("A12345", {FoundPage("3"), nullptr, nullptr});
  Ask(1, "A12345");
  ASSERT_TRUE(WaitForResults(1)) << State();
  EXPECT_EQ(Result(0), L"京A12345 共有 3 条违章");
  ASSERT_EQ(ListItemCount(Controls().history_list), 1);
  EXPECT_EQ(History(0, 0), L"京");
  EXPECT_EQ(History(0, 1), L"A12345");

  const auto received = server_.Received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].request_line, "POST /android_3.7.php HTTP/1.1");
  EXPECT_NE(received[0].body.find("provice=%BE%A9&txtVehicleNo=A12345&"), std::string::npos);
}

TEST_F(Query, AnAnswerWithoutACountStillAddsBoth) {
  server_.Answer("A12345", {kFoundWithoutCount, nullptr, nullptr});
  Ask(1, "A12345");
  ASSERT_TRUE(WaitForResults(1)) << State();
  EXPECT_EQ(Result(0), L"京A12345 共有  条违章");
  EXPECT_EQ(History(0, 0), L"京");
}

TEST_F(Query, TheRateLimitPageShowsTheWorkersOwnBoxAndChangesNoList) {
  server_.Answer("A12345", {kRateLimited, nullptr, nullptr});
  Ask(1, "A12345");
  HWND box = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (box = FindWindowW(nullptr, L"提示")) != nullptr; }));
  EXPECT_NE(GetWindowThreadProcessId(box, nullptr), GetCurrentThreadId());
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  EXPECT_EQ(WideWindowText(GetDlgItem(box, 0xFFFF)), L"请于 30 秒之后再次查询！");
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);

  // The main window stays usable while the box is open.
  Ops().SetPlateText("B2");
  PumpFor(50);
  EXPECT_EQ(Ops().PlateText(), Text("B2"));
  EXPECT_EQ(ListItemCount(Controls().result_list), 0);
  EXPECT_EQ(ListItemCount(Controls().history_list), 0);

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box); }));
  PumpFor(100);
  EXPECT_EQ(ListItemCount(Controls().result_list), 0);
}

TEST_F(Query, NoAnswerLeavesTheWindowAsItWas) {
  auto sent = std::make_shared<Gate>();
  server_.Answer("A12345", {kNoAnswer, nullptr, sent});
  Ask(1, "A12345");
  ASSERT_TRUE(PumpUntil([&] { return sent->WaitOpen(0); }));
  PumpFor(300);
  EXPECT_EQ(ListItemCount(Controls().result_list), 0);
  EXPECT_EQ(ListItemCount(Controls().history_list), 0);
}

TEST_F(Query, OverlappingQueriesAreAddedInTheOrderTheirAnswersArrive) {
  auto first_release = std::make_shared<Gate>();
  server_.Answer("A1", {FoundPage("1"), first_release, nullptr});  // held until B2 is shown
  server_.Answer("B2", {FoundPage("2"), nullptr, nullptr});
  Ask(1, "A1");
  ASSERT_TRUE(WaitForReceived(1)) << State();
  Ask(30, "B2");
  ASSERT_TRUE(WaitForResults(1)) << State();
  first_release->Open();
  ASSERT_TRUE(WaitForResults(2)) << State();
  EXPECT_EQ(Result(0), L"川B2 共有 2 条违章");
  EXPECT_EQ(Result(1), L"京A1 共有 1 条违章");
  EXPECT_EQ(History(0, 0), L"川");
  EXPECT_EQ(History(0, 1), L"B2");
  EXPECT_EQ(History(1, 0), L"京");
  EXPECT_EQ(History(1, 1), L"A1");
}

TEST_F(Query, TheResultNamesWhatWasQueriedEvenWhenTheInputsChangeMeanwhile) {
  auto release = std::make_shared<Gate>();
  server_.Answer("A12345", {FoundPage("3"), release, nullptr});
  Ask(1, "A12345");
  ASSERT_TRUE(WaitForReceived(1)) << State();
  Ops().SetProvinceSelection(30);
  Ops().SetPlateText("ZZZ");
  release->Open();
  ASSERT_TRUE(WaitForResults(1)) << State();
  EXPECT_EQ(Result(0), L"京A12345 共有 3 条违章");
  EXPECT_EQ(History(0, 0), L"京");
  EXPECT_EQ(History(0, 1), L"A12345");
  EXPECT_EQ(Ops().PlateText(), Text("ZZZ"));
}

TEST_F(Query, EnterOnTheButtonStartsNoQueryAndTheSpaceBarDoes) {
  server_.Answer("A12345", {FoundPage("3"), nullptr, nullptr});
  Ops().SetPlateText("A12345");
  SetFocus(Controls().query_button);
  PostKey(Controls().query_button, VK_RETURN);
  PumpFor(300);
  EXPECT_EQ(server_.ReceivedCount(), 0);
  PostKey(Controls().query_button, VK_SPACE);
  EXPECT_TRUE(WaitForResults(1));
  EXPECT_EQ(server_.ReceivedCount(), 1);
}

TEST_F(Query, ClosingWhileAQueryWaitsStopsItAndDoesNotWaitForTheNetwork) {
  auto never = std::make_shared<Gate>();
  auto earlier_release = std::make_shared<Gate>();
  auto earlier_sent = std::make_shared<Gate>();
  server_.Answer("A1", {FoundPage("1"), earlier_release, earlier_sent});
  server_.Answer("B2", {FoundPage("2"), never, nullptr});
  Ask(1, "A1");
  ASSERT_TRUE(WaitForReceived(1)) << State();
  Ask(30, "B2");
  ASSERT_TRUE(WaitForReceived(2)) << State();

  // Esc closes the window and the loop ends at once, while both answers are still held back.
  const auto ops = window_->Ops();
  PostKey(Controls().plate_edit, VK_ESCAPE);
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_LT(GetTickCount64() - start, ULONGLONG{kWaitLimitMs});
  EXPECT_EQ(MainWindow::LiveCount(), 0);

  // Both answers arrive after the window is gone: the stopped worker and the earlier one touch
  // nothing, and neither blocks on the window.
  earlier_release->Open();
  never->Open();
  EXPECT_TRUE(PumpUntil([&] { return server_.Answered() + server_.Abandoned() == 2; }));
  EXPECT_TRUE(earlier_sent->WaitOpen(0));
  PumpFor(300);
  EXPECT_EQ(ops->AppendResultItem("late"), -1);
  EXPECT_EQ(ops->PlateText(), Text(""));
}

}  // namespace
}  // namespace vq::test
