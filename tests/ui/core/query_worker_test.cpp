// RunQuery and QueryWorkers against a service on loopback, with a window that has no toolkit.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tests/ui/answer_server.h"
#include "tests/ui/core/stand_in_window.h"
#include "ui/query_worker.h"

namespace vq::testing {
namespace {

struct Shown {
  Text text, title;
};

class QueryWorker : public ::testing::Test {
 protected:
  QueryWorkerSetup WorkerSetup() {
    return {window_,
            [this](const Text& text, const Text& title) {
              std::lock_guard lock(boxes_mutex_);
              boxes_.push_back({text, title});
            },
            Text(server_.Endpoint()), 5000};
  }
  void Type(int province, const char* plate) {
    window_->OnWindowThread([&](WindowState& s) {
      s.selection = province;
      s.plate = Text(plate);
      return 0;
    });
  }
  WindowState State() {
    return window_->OnWindowThread([](WindowState& s) { return s; });
  }
  std::vector<Shown> Boxes() {
    std::lock_guard lock(boxes_mutex_);
    return boxes_;
  }

  AnswerServer server_{ByPlate};
  std::shared_ptr<StandInWindow> window_ = std::make_shared<StandInWindow>();
  std::mutex boxes_mutex_;
  std::vector<Shown> boxes_;
};

TEST_F(QueryWorker, OutcomesReachTheLists) {
  struct Case {
    const char* plate;
    std::vector<Text> results;
    bool history;
  };
  const std::vector<Case> cases = {
      {"A12343", {"京A12343 共有 3 条违章"}, true},
      {"E12345", {"京E12345 共有  条违章"}, true},
      {"R1", {}, false},
      {"N1", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plate);
    window_ = std::make_shared<StandInWindow>();
    Type(1, c.plate);
    ExchangeStop stop;
    RunQuery(WorkerSetup(), stop);
    const WindowState state = State();
    EXPECT_EQ(state.results, c.results);
    ASSERT_EQ(state.history.size(), c.history ? 1u : 0u);
    if (c.history) {
      EXPECT_EQ(state.history[0][0], Text("京"));
      EXPECT_EQ(state.history[0][1], Text(c.plate));
    }
  }
  const std::vector<Shown> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u) << "only the rate limit shows a box";
  EXPECT_EQ(boxes[0].text, Text("请于 30 秒之后再次查询！"));
  EXPECT_EQ(boxes[0].title, Text("提示"));
}

TEST_F(QueryWorker, TheFormCarriesTheProvinceAndPlateReadBeforeTheExchange) {
  Type(30, "A7");
  ExchangeStop stop;
  RunQuery(WorkerSetup(), stop);
  ASSERT_EQ(server_.Bodies().size(), 1u);
  EXPECT_EQ(AnswerServer::FieldOf(server_.Bodies()[0], "provice"), "%B4%A8");
  EXPECT_EQ(AnswerServer::FieldOf(server_.Bodies()[0], "txtVehicleNo"), "A7");
  const std::vector<std::string> calls = window_->Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "ProvinceSelection");
  EXPECT_EQ(calls[2], "PlateText");
}

TEST_F(QueryWorker, NoSelectionSendsAnEmptyProvince) {
  Type(-1, "A7");
  ExchangeStop stop;
  RunQuery(WorkerSetup(), stop);
  ASSERT_EQ(server_.Bodies().size(), 1u);
  EXPECT_EQ(AnswerServer::FieldOf(server_.Bodies()[0], "provice"), "");
}

TEST_F(QueryWorker, TheResultNamesWhatWasQueriedWhenTheInputsChangeMeanwhile) {
  Type(1, "H12345");
  QueryWorkers workers(WorkerSetup());
  workers.StartQuery();
  ASSERT_TRUE(server_.WaitForForms(1));
  Type(30, "B67890");
  server_.Let("H12345");
  ASSERT_TRUE(window_->WaitFor(
      [](const WindowState& s) { return s.history.size() == 1 && !s.history[0][1].Empty(); }));
  const WindowState state = State();
  EXPECT_EQ(state.results, std::vector<Text>{Text("京H12345 共有 5 条违章")});
  EXPECT_EQ(state.history[0][0], Text("京"));
  EXPECT_EQ(state.history[0][1], Text("H12345"));
}

TEST_F(QueryWorker, OverlappingWorkersShowAnswersInTheOrderTheyArrive) {
  QueryWorkers workers(WorkerSetup());
  Type(1, "H1");
  workers.StartQuery();
  ASSERT_TRUE(server_.WaitForForms(1));
  Type(30, "A2");
  workers.StartQuery();
  ASSERT_TRUE(window_->WaitFor([](const WindowState& s) { return s.results.size() == 1; }));
  server_.Let("H1");
  ASSERT_TRUE(window_->WaitFor([](const WindowState& s) { return s.results.size() == 2; }));
  EXPECT_EQ(State().results,
            (std::vector<Text>{Text("川A2 共有 2 条违章"), Text("京H1 共有 1 条违章")}));
}

TEST_F(QueryWorker, StopLastSilencesOnlyTheLastWorker) {
  QueryWorkers workers(WorkerSetup());
  Type(1, "H1");
  workers.StartQuery();
  ASSERT_TRUE(server_.WaitForForms(1));
  Type(1, "H2");
  workers.StartQuery();
  ASSERT_TRUE(server_.WaitForForms(2));
  workers.StopLast();
  server_.Let("H2");
  server_.Let("H1");
  ASSERT_TRUE(window_->WaitFor([](const WindowState& s) { return s.results.size() == 1; }));
  EXPECT_EQ(State().results, std::vector<Text>{Text("京H1 共有 1 条违章")});
}

TEST_F(QueryWorker, AClosedWindowReceivesNothing) {
  QueryWorkers workers(WorkerSetup());
  Type(1, "H1");
  workers.StartQuery();
  ASSERT_TRUE(server_.WaitForForms(1));
  window_->Close();
  server_.Let("H1");
  // A query that starts after the close reads the empty inputs and adds nothing either.
  ExchangeStop stop;
  RunQuery(WorkerSetup(), stop);
  EXPECT_TRUE(State().results.empty());
  EXPECT_TRUE(State().history.empty());
}

TEST_F(QueryWorker, StopLastBeforeAnyQueryDoesNothing) {
  QueryWorkers workers(WorkerSetup());
  workers.StopLast();
  Type(1, "A4");
  workers.StartQuery();
  ASSERT_TRUE(window_->WaitFor([](const WindowState& s) { return s.results.size() == 1; }));
}

}  // namespace
}  // namespace vq::testing
