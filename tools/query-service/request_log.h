// One line per request, appended to a file and flushed at once, for tests that check what the
// service received.
#pragma once

#include <fstream>
#include <mutex>
#include <string>
#include <string_view>

namespace query_service {

class RequestLog {
 public:
  // Appends to `path`; false from Open when the file cannot be opened.
  [[nodiscard]] bool Open(const std::string& path);

  // "METHOD TARGET BODY": the body's bytes as received, with backslash, CR and LF written as
  // \\, \r and \n so that one request stays one line. Any thread; does nothing when not open.
  void Write(std::string_view method, std::string_view target, std::string_view body);

 private:
  std::mutex mutex_;
  std::ofstream file_;
};

}  // namespace query_service
