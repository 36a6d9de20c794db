// The command line of the stand-in query service.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace query_service {

struct ServiceOptions {
  std::string host = "127.0.0.1";
  int port = 18080;              // 0: any free port (the one chosen is printed)
  std::string data_path;         // empty: plates.txt next to the program
  std::string log_path;          // empty: no request log
  std::int64_t rate_limit = 20;  // requests per client within 30 s; 0: no limit
  std::int64_t delay_ms = 0;     // wait before each answer
};

// Parses `--listen HOST:PORT [--data FILE] [--log FILE] [--rate-limit N] [--delay-ms N]`.
// Empty, with `error` set, on anything it does not understand.
[[nodiscard]] std::optional<ServiceOptions> ParseServiceOptions(int argc, char** argv,
                                                                std::string& error);

inline constexpr const char* kUsage =
    "usage: query-service --listen 127.0.0.1:18080 [--data FILE] [--log FILE] [--rate-limit N] "
    "[--delay-ms N]";

}  // namespace query_service
