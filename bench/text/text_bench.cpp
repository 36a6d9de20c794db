// TextFind and ReadQueryPage on answer-sized and large GBK pages whose markers come at the end,
// each against std::string_view::find of the same markers on the same page in the same run. The
// ratios are printed after the table.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "query/query_exchange.h"
#include "text/text_ops.h"

namespace vq {
namespace {

// GBK filler like a results page: markup, Chinese text (some of it starting with the markers'
// lead bytes, so the searches meet near-misses), then the answer block at the very end.
Text PageOfSize(std::size_t size) {
  const std::string_view line =
      "<tr><td>南宁市内</td><td>您好，交通违法记录查询：请核对车牌号码。</td><td>2026-12-11</td></"
      "tr>\r\n";
  std::string bytes;
  while (bytes.size() + line.size() < size) bytes += line;
  const Text tail = TextJoin(
      {"<div>", AnswerMarker(), "京A12345</div><div>", CountStartMarker(), "3", CountEndMarker()});
  return TextJoin({Text(bytes), tail});
}

const Text& Page(std::int64_t size) {
  static std::map<std::int64_t, Text> pages;
  auto found = pages.find(size);
  if (found == pages.end()) found = pages.emplace(size, PageOfSize(size)).first;
  return found->second;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void TextFindMarker(benchmark::State& state) {
  const Text& page = Page(state.range(0));
  const Text marker = CountEndMarker();
  for (auto _ : state) benchmark::DoNotOptimize(TextFind(page, marker));
  SetBytes(state);
}

void StringViewFindMarker(benchmark::State& state) {
  const std::string_view page = Page(state.range(0)).View();
  const Text marker = CountEndMarker();
  for (auto _ : state) benchmark::DoNotOptimize(page.find(marker.View()));
  SetBytes(state);
}

void ReadQueryPageAtEnd(benchmark::State& state) {
  const Text& page = Page(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ReadQueryPage(page));
  SetBytes(state);
}

// What ReadQueryPage looks for on a found page: the answer marker and the two count markers.
void StringViewFindThreeMarkers(benchmark::State& state) {
  const std::string_view page = Page(state.range(0)).View();
  const Text answer = AnswerMarker();
  const Text start = CountStartMarker();
  const Text end = CountEndMarker();
  for (auto _ : state) {
    benchmark::DoNotOptimize(page.find(answer.View()));
    benchmark::DoNotOptimize(page.find(start.View()));
    benchmark::DoNotOptimize(page.find(end.View()));
  }
  SetBytes(state);
}

// The worst case for the character-boundary rule: a page of two-byte characters B0 41 in which
// the sought 41 B0 41 occurs at every odd offset, never where a character begins, and once at the
// end after an ASCII byte. The baseline visits the same occurrences with string_view::find.
Text MisalignedPageOfSize(std::int64_t size) {
  std::string bytes;
  while (static_cast<std::int64_t>(bytes.size()) + 2 < size) bytes += "\xB0\x41";
  bytes += "\x41\xB0\x41";
  return Text(bytes);
}

void TextFindMisaligned(benchmark::State& state) {
  const Text page = MisalignedPageOfSize(state.range(0));
  const Text sought("\x41\xB0\x41");
  for (auto _ : state) benchmark::DoNotOptimize(TextFind(page, sought));
  SetBytes(state);
}

void StringViewVisitMisaligned(benchmark::State& state) {
  const Text page = MisalignedPageOfSize(state.range(0));
  const std::string_view bytes = page.View();
  for (auto _ : state) {
    std::size_t last = 0;
    for (std::size_t at = bytes.find("\x41\xB0\x41"); at != std::string_view::npos;
         at = bytes.find("\x41\xB0\x41", at + 1)) {
      last = at;
    }
    benchmark::DoNotOptimize(last);
  }
  SetBytes(state);
}

constexpr std::int64_t k64KiB = 64 << 10;
constexpr std::int64_t k1MiB = 1 << 20;
BENCHMARK(TextFindMarker)->Arg(k64KiB)->Arg(k1MiB);
BENCHMARK(StringViewFindMarker)->Arg(k64KiB)->Arg(k1MiB);
BENCHMARK(ReadQueryPageAtEnd)->Arg(k64KiB)->Arg(k1MiB);
BENCHMARK(StringViewFindThreeMarkers)->Arg(k64KiB)->Arg(k1MiB);
BENCHMARK(TextFindMisaligned)->Arg(k64KiB)->Arg(k1MiB);
BENCHMARK(StringViewVisitMisaligned)->Arg(k64KiB)->Arg(k1MiB);

// Keeps the processor time per iteration of every run (less disturbed than wall time on a busy
// machine), so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        seconds_per_iteration_[run.benchmark_name()] =
            run.cpu_accumulated_time / static_cast<double>(run.iterations);
      }
    }
  }

  void PrintRatio(const std::string& measured, const std::string& baseline) const {
    const auto m = seconds_per_iteration_.find(measured);
    const auto b = seconds_per_iteration_.find(baseline);
    if (m == seconds_per_iteration_.end() || b == seconds_per_iteration_.end()) return;
    std::printf("%-32s / %-36s = %.2fx\n", measured.c_str(), baseline.c_str(),
                m->second / b->second);
  }

 private:
  std::map<std::string, double> seconds_per_iteration_;
};

}  // namespace
}  // namespace vq

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vq::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf(
      "\nRatios (processor time per iteration, lower is better; 1.00x matches the baseline):\n");
  for (const char* size : {"65536", "1048576"}) {
    reporter.PrintRatio(std::string("TextFindMarker/") + size,
                        std::string("StringViewFindMarker/") + size);
    reporter.PrintRatio(std::string("ReadQueryPageAtEnd/") + size,
                        std::string("StringViewFindThreeMarkers/") + size);
    reporter.PrintRatio(std::string("TextFindMisaligned/") + size,
                        std::string("StringViewVisitMisaligned/") + size);
  }
  benchmark::Shutdown();
  return 0;
}
