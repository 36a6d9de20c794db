// fetch_page_timing URL COUNT [BODY]: posts BODY (or GETs when none) COUNT times with FetchPage
// and prints the time per round trip. For figures on a platform without the benchmark library.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "web/fetch_page.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: fetch_page_timing URL COUNT [BODY]\n");
    return 2;
  }
  const vq::Text url = argv[1];
  const long count = std::strtol(argv[2], nullptr, 10);
  const vq::Text body = argc > 3 ? argv[3] : "";
  std::size_t last_page_size = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < count; ++i) {
    vq::Text method = argc > 3 ? "POST" : "GET";
    last_page_size = vq::FetchPage(url, &method, nullptr, nullptr, &body).Size();
  }
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  std::printf("%ld round trips, %.3f ms each, last page %zu bytes\n", count,
              count > 0 ? spent.count() / static_cast<double>(count) : 0.0, last_page_size);
  return 0;
}
