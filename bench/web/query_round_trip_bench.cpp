// One query round trip (BuildQueryBody, FetchPage, ReadQueryPage) against the stand-in service on
// loopback, next to the same POST made by a bare libcurl loop in the same run. Prints the ratio.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "query/query_exchange.h"
#include "tests/web/service_process.h"
#include "web/fetch_page.h"

namespace vq {
namespace {

constexpr std::int64_t kBeijingRow = 1;
constexpr int kRoundTrips = 500;
constexpr int kRepetitions = 3;

std::string g_url;  // the service's endpoint, set before the benchmarks run

void QueryRoundTrip(benchmark::State& state) {
  const Text url(g_url);
  for (auto _ : state) {
    Text method = "POST";
    const Text body = BuildQueryBody(kBeijingRow, "A12345");
    const QueryOutcome outcome = ReadQueryPage(FetchPage(url, &method, nullptr, nullptr, &body));
    if (outcome.kind != QueryOutcome::Kind::kFound) {
      state.SkipWithError("the service gave no answer");
      break;
    }
    benchmark::DoNotOptimize(outcome);
  }
}

std::size_t KeepBody(char* data, std::size_t size, std::size_t count, void* page) {
  static_cast<std::string*>(page)->append(data, size * count);
  return size * count;
}

struct EasyCleanup {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

// The same POST with curl's defaults, on a handle of its own each time as FetchPage has.
void PostWithCurl(benchmark::State& state, CURL* easy, const std::string& body) {
  std::string page;
  curl_easy_setopt(easy, CURLOPT_URL, g_url.c_str());
  curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &KeepBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &page);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  if (curl_easy_perform(easy) != CURLE_OK || page.empty()) state.SkipWithError("curl failed");
  benchmark::DoNotOptimize(page);
}

void BareCurlPost(benchmark::State& state) {
  const std::string body(BuildQueryBody(kBeijingRow, "A12345").View());
  for (auto _ : state) {
    std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    PostWithCurl(state, easy.get(), body);
  }
}

BENCHMARK(BareCurlPost)->Iterations(kRoundTrips)->Repetitions(kRepetitions)->UseRealTime();
BENCHMARK(QueryRoundTrip)->Iterations(kRoundTrips)->Repetitions(kRepetitions)->UseRealTime();

// Keeps the fastest repetition of each benchmark (seconds per round trip) while printing as usual.
class FastestRuns : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred) continue;
      const double each = run.real_accumulated_time / static_cast<double>(run.iterations);
      const std::string name = run.run_name.function_name;
      fastest_[name] = fastest_.contains(name) ? std::min(fastest_[name], each) : each;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  [[nodiscard]] double Fastest(const std::string& name) const {
    const auto found = fastest_.find(name);
    return found == fastest_.end() ? 0.0 : found->second;
  }

 private:
  std::map<std::string, double> fastest_;
};

}  // namespace
}  // namespace vq

int main(int argc, char** argv) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  vq::test::ServiceProcess service(QUERY_SERVICE_PROGRAM, {"--rate-limit", "0"});
  if (service.Port() == 0) {
    std::fprintf(stderr, "the query service did not start\n");
    return 1;
  }
  vq::g_url = "http://127.0.0.1:" + std::to_string(service.Port()) + "/android_3.7.php";

  benchmark::Initialize(&argc, argv);
  vq::FastestRuns reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double ours = reporter.Fastest("QueryRoundTrip");
  const double bare = reporter.Fastest("BareCurlPost");
  if (ours > 0 && bare > 0) {
    std::printf("query round trip: %.1f us, bare curl POST: %.1f us, ratio %.2f (target <= 1.3)\n",
                ours * 1e6, bare * 1e6, ours / bare);
  }
  return 0;
}
