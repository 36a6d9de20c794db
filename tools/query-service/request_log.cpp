#include "request_log.h"

namespace query_service {

bool RequestLog::Open(const std::string& path) {
  file_.open(path, std::ios::binary | std::ios::app);
  return file_.is_open();
}

void RequestLog::Write(std::string_view method, std::string_view target, std::string_view body) {
  std::string line;
  line.append(method).append(" ").append(target).append(" ");
  for (const char c : body) {
    switch (c) {
      case '\\':
        line += "\\\\";
        break;
      case '\r':
        line += "\\r";
        break;
      case '\n':
        line += "\\n";
        break;
      default:
        line += c;
    }
  }
  line += '\n';
  std::lock_guard lock(mutex_);
  if (!file_.is_open()) return;
  file_ << line;
  file_.flush();
}

}  // namespace query_service
