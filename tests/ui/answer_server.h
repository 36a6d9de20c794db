// A query service on loopback for the window's tests: each posted form gets the page that the
// test's rule gives for its plate. A rule may hold an answer back until the test lets it go, so
// tests can order answers without timing.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq::testing {

// The answer pages, as GBK bytes (written as escapes so that the bytes do not depend on how the
// including file is compiled).
inline constexpr std::string_view kAnswerMarker = "\xC4\xFA\xB2\xE9\xD1\xAF\xB5\xC4";  // 您查询的
// 为保证网站正常运行
inline constexpr std::string_view kRateLimitMarker =
    "\xCE\xAA\xB1\xA3\xD6\xA4\xCD\xF8\xD5\xBE\xD5\xFD\xB3\xA3\xD4\xCB\xD0\xD0";
inline constexpr std::string_view kCountStart =
    "\xB9\xB2\xD3\xD0 <font color='red'><font color=red>";
// </font></font> 条违章！</div>
inline constexpr std::string_view kCountEnd =
    "</font></font> \xCC\xF5\xCE\xA5\xD5\xC2\xA3\xA1</div>";

inline std::string FoundPage(std::string_view count) {
  return "<html><body><div>" + std::string(kAnswerMarker) + " ... " + std::string(kCountStart) +
         std::string(count) + std::string(kCountEnd) + "</body></html>";
}
inline std::string RateLimitPage() {
  return "<html><body><p>" + std::string(kRateLimitMarker) + "</p></body></html>";
}
inline std::string NoAnswerPage() {
  return "<html><body>maintenance</body></html>";
}

struct Answer {
  std::string page;
  bool held = false;  // sent only once Let(plate) is called (or the server stops)
};

// The window tests' rule: A… counts by its last character, E… shows no count, R… is rate-limited,
// N… is unusable, and any plate starting with H is held until the test lets it go.
inline Answer ByPlate(const std::string& plate) {
  Answer answer;
  switch (plate.empty() ? ' ' : plate[0]) {
    case 'E':
      answer.page = FoundPage("");
      break;
    case 'R':
      answer.page = RateLimitPage();
      break;
    case 'N':
      answer.page = NoAnswerPage();
      break;
    default:
      answer.page = FoundPage(plate.substr(plate.size() - 1));
      break;
  }
  answer.held = plate.starts_with("H");
  return answer;
}

// Serves on 127.0.0.1 at a free port from construction to destruction, on threads of its own.
// Every member may be called from any thread.
class AnswerServer {
 public:
  // Rule: the answer to a form, by the form's plate field (as sent, percent-encoded). Runs on the
  // server's threads.
  using Rule = std::function<Answer(const std::string& plate)>;

  explicit AnswerServer(Rule rule);
  ~AnswerServer();  // lets held answers go, then stops; waits for the server's threads

  // http://127.0.0.1:<port>/android_3.7.php
  [[nodiscard]] std::string Endpoint() const;

  // Sends the held answer(s) for `plate`.
  void Let(const std::string& plate);

  // The bodies of the forms received so far, in order of arrival.
  [[nodiscard]] std::vector<std::string> Bodies() const;

  // Blocks until `count` forms have arrived, for ten seconds at most; whether they arrived.
  bool WaitForForms(std::size_t count);

  // The value of field `name` in a form body, as sent; empty when absent.
  [[nodiscard]] static std::string FieldOf(const std::string& body, const std::string& name);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vq::testing
