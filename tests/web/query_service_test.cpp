// One query as the worker makes it (BuildQueryBody, FetchPage, ReadQueryPage) against the real
// stand-in service, started from its built program on a free loopback port.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "query/query_exchange.h"
#include "tests/web/service_process.h"
#include "web/fetch_page.h"

namespace vq {
namespace {

using test::ServiceProcess;

constexpr std::int64_t kBeijingRow = 1;  // 京

// The test's own sample plates, in UTF-8 as the data file is written.
std::string_view Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

class QueryServiceTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string base = testing::TempDir() + "web_query_service_" +
                             testing::UnitTest::GetInstance()->current_test_info()->name();
    data_path_ = base + ".plates";
    log_path_ = base + ".log";
    std::remove(log_path_.c_str());
    std::ofstream(data_path_) << Utf8(
        u8"# test plates\n京 A12345 3\n川 B22222 15\n"
        u8"京 RATE00 rate-limit\n京 NOCNT0 no-count\n");
  }

  [[nodiscard]] std::vector<std::string> Start(std::int64_t rate_limit) const {
    return {"--data", data_path_, "--log", log_path_, "--rate-limit", std::to_string(rate_limit)};
  }

  // Posts the body as the worker does and reads the page.
  static QueryOutcome Query(const ServiceProcess& service, std::int64_t row, const Text& plate,
                            Text* body_sent = nullptr, const FetchControls& controls = {}) {
    const Text url(std::string("http://127.0.0.1:") + std::to_string(service.Port()) +
                   "/android_3.7.php");
    Text method = "POST";
    const Text body = BuildQueryBody(row, plate);
    if (body_sent != nullptr) *body_sent = body;
    return ReadQueryPage(FetchPage(url, &method, nullptr, nullptr, &body, nullptr, controls));
  }

  [[nodiscard]] std::vector<std::string> LogLines() const {
    std::ifstream log(log_path_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  std::string data_path_;
  std::string log_path_;
};

QueryOutcome Found(const char* count) {
  return {QueryOutcome::Kind::kFound, count};
}
QueryOutcome RateLimited() {
  return {QueryOutcome::Kind::kRateLimited, {}};
}
QueryOutcome NoAnswer() {
  return {QueryOutcome::Kind::kNoAnswer, {}};
}

TEST_F(QueryServiceTest, AnswersEveryOutcome) {
  ServiceProcess service(QUERY_SERVICE_PROGRAM, Start(0));
  ASSERT_NE(service.Port(), 0);

  EXPECT_EQ(Query(service, kBeijingRow, "A12345"), Found("3"));
  EXPECT_EQ(Query(service, kBeijingRow, "a12345"), Found("3"));
  EXPECT_EQ(Query(service, 30, "B22222"), Found("15"));  // 川
  EXPECT_EQ(Query(service, kBeijingRow, "Z99999"), Found("0"));
  EXPECT_EQ(Query(service, 30, "A12345"), Found("0"));  // another province's plate
  EXPECT_EQ(Query(service, -1, "A12345"), NoAnswer());
  EXPECT_EQ(Query(service, kBeijingRow, "NOCNT0"), Found(""));
  EXPECT_EQ(Query(service, kBeijingRow, "RATE00"), RateLimited());
  EXPECT_EQ(service.Stop(), 0);
}

TEST_F(QueryServiceTest, RefusesAClientThatAsksTooOften) {
  ServiceProcess service(QUERY_SERVICE_PROGRAM, Start(2));
  ASSERT_NE(service.Port(), 0);

  EXPECT_EQ(Query(service, kBeijingRow, "A12345"), Found("3"));
  EXPECT_EQ(Query(service, kBeijingRow, "A12345"), Found("3"));
  EXPECT_EQ(Query(service, kBeijingRow, "A12345"), RateLimited());
  EXPECT_EQ(service.Stop(), 0);
}

TEST_F(QueryServiceTest, AnswersSlowlyWhenAskedTo) {
  std::vector<std::string> arguments = Start(0);
  arguments.insert(arguments.end(), {"--delay-ms", "3000"});
  ServiceProcess service(QUERY_SERVICE_PROGRAM, arguments);
  ASSERT_NE(service.Port(), 0);
  FetchControls impatient;
  impatient.timeout_ms = 500;  // gives up long before the answer comes

  EXPECT_EQ(Query(service, kBeijingRow, "A12345", nullptr, impatient), NoAnswer());
  EXPECT_EQ(Query(service, kBeijingRow, "A12345"), Found("3"));
  EXPECT_EQ(service.Stop(), 0);
}

TEST_F(QueryServiceTest, LogsEachRequestWithItsRawBody) {
  ServiceProcess service(QUERY_SERVICE_PROGRAM, Start(0));
  ASSERT_NE(service.Port(), 0);
  Text first;
  Text second;

  static_cast<void>(Query(service, kBeijingRow, "A12345", &first));
  static_cast<void>(Query(service, 0, "X 1&2", &second));

  EXPECT_EQ(LogLines(),
            (std::vector<std::string>{"POST /android_3.7.php " + std::string(first.View()),
                                      "POST /android_3.7.php " + std::string(second.View())}));
  EXPECT_EQ(service.Stop(), 0);
}

}  // namespace
}  // namespace vq
