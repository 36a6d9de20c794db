// FetchPage against a real server on loopback that records the bytes it receives.
#include "web/fetch_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "tests/web/http_layer_lines.h"
#include "tests/web/loopback_socket.h"
#include "tests/web/recording_server.h"

namespace vq {
namespace {

using test::HttpReply;
using test::RecordingServer;

constexpr std::string_view kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*";
constexpr std::string_view kLanguageLine = "Accept-Language: zh-cn";
constexpr std::string_view kContentTypeLine = "Content-Type: application/x-www-form-urlencoded";
constexpr std::string_view kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr std::string_view kQueryBody =
    "lei=%D0%A1%D0%CD%C6%FB%B3%B5&provice=%BE%A9&txtVehicleNo=A12345&submit=%B2%E9+%D1%AF&"
    "location=";
// Far below the 18 s of the default time-out: an exchange that should end at once and does not
// is caught without waiting it out.
constexpr auto kPromptly = std::chrono::seconds(8);

std::string Lower(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lowered;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
  return lines;
}

std::string HeaderName(std::string_view line) {
  return Lower(line.substr(0, line.find(':')));
}

// A request as it came over the wire, cut into its parts.
struct WireRequest {
  std::string request_line;
  std::vector<std::string> layer_lines;  // those the HTTP layer adds of its own
  std::vector<std::string> our_lines;    // every other header line, in wire order
  std::string body;
};

WireRequest ParseWire(std::string_view raw) {
  WireRequest wire;
  const std::size_t head_end = raw.find("\r\n\r\n");
  if (head_end == std::string_view::npos) return wire;
  std::vector<std::string> lines = SplitLines(raw.substr(0, head_end));
  wire.body = std::string(raw.substr(head_end + 4));
  if (lines.empty()) return wire;
  wire.request_line = lines.front();
  for (std::size_t i = 1; i < lines.size(); ++i) {
    (test::IsHttpLayerLine(lines[i]) ? wire.layer_lines : wire.our_lines).push_back(lines[i]);
  }
  return wire;
}

std::string LayerLine(const WireRequest& wire, std::string_view name) {
  for (const std::string& line : wire.layer_lines) {
    if (HeaderName(line) == Lower(name)) return line;
  }
  return {};
}

std::string Url(const RecordingServer& server, std::string_view path) {
  return "http://127.0.0.1:" + std::to_string(server.Port()) + std::string(path);
}

std::vector<std::string> Lines(std::initializer_list<std::string_view> lines) {
  return {lines.begin(), lines.end()};
}

TEST(FetchPage, QueryPostGoesOnTheWireLineByLine) {
  RecordingServer server(HttpReply("<html>answer</html>"));
  const std::string url = Url(server, "/android_3.7.php");
  Text method = "POST";
  Text headers;
  const Text body = kQueryBody;

  const Text page = FetchPage(Text(url), &method, nullptr, &headers, &body);

  EXPECT_EQ(page.View(), "<html>answer</html>");
  const WireRequest wire = ParseWire(server.WaitForFirstRequest(0));
  EXPECT_EQ(wire.request_line, "POST /android_3.7.php HTTP/1.1");
  const std::string referer = "Referer: " + url;
  const std::string length = "Content-Length: " + std::to_string(kQueryBody.size());
  EXPECT_EQ(wire.our_lines, Lines({kAcceptLine, referer, kLanguageLine, kContentTypeLine, length}));
  EXPECT_EQ(wire.body, kQueryBody);
  EXPECT_EQ(LayerLine(wire, "Host"), "Host: 127.0.0.1:" + std::to_string(server.Port()));
  EXPECT_EQ(LayerLine(wire, "User-Agent"), "User-Agent: " + std::string(kUserAgent));
  // The caller's header variable holds every line that was added, as sent.
  EXPECT_EQ(SplitLines(headers.View()), wire.our_lines);
  EXPECT_EQ(method.View(), "POST");
}

struct MethodCase {
  const char* asked;  // nullptr: the parameter is omitted
  const char* sent;
  bool body_sent;
};

class FetchPageMethod : public testing::TestWithParam<MethodCase> {};

TEST_P(FetchPageMethod, IsRewrittenOrKeptAsWritten) {
  const MethodCase& c = GetParam();
  RecordingServer server(HttpReply("ok"));
  Text method = c.asked != nullptr ? Text(c.asked) : Text();
  const Text body = "a=1&b=2";

  const Text page = FetchPage(Text(Url(server, "/m?x=1")), c.asked != nullptr ? &method : nullptr,
                              nullptr, nullptr, &body);

  EXPECT_EQ(page.View(), "ok");
  const WireRequest wire = ParseWire(server.WaitForFirstRequest(0));
  EXPECT_EQ(wire.request_line, std::string(c.sent) + " /m?x=1 HTTP/1.1");
  EXPECT_EQ(wire.body, c.body_sent ? "a=1&b=2" : "");
  const bool content_headers =
      std::any_of(wire.our_lines.begin(), wire.our_lines.end(),
                  [](const std::string& line) { return HeaderName(line) == "content-type"; });
  EXPECT_EQ(content_headers, c.body_sent);
  if (c.asked != nullptr) {
    EXPECT_EQ(method.View(), c.sent);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Methods, FetchPageMethod,
    testing::Values(MethodCase{"put", "GET", false}, MethodCase{"HEAD", "GET", false},
                    MethodCase{"GET", "GET", false}, MethodCase{"", "GET", false},
                    MethodCase{nullptr, "GET", false}, MethodCase{"POST", "POST", true},
                    MethodCase{"Post", "Post", true}, MethodCase{"post", "post", true}));

TEST(FetchPage, PostWithEmptyBodySendsNoContentHeaders) {
  RecordingServer server(HttpReply("ok"));
  const std::string url = Url(server, "/empty");
  Text method = "POST";
  const Text body;

  EXPECT_EQ(FetchPage(Text(url), &method, nullptr, nullptr, &body).View(), "ok");

  const WireRequest wire = ParseWire(server.WaitForFirstRequest(0));
  EXPECT_EQ(wire.request_line, "POST /empty HTTP/1.1");
  EXPECT_EQ(wire.our_lines, Lines({kAcceptLine, "Referer: " + url, kLanguageLine}));
  EXPECT_EQ(wire.body, "");
  for (const std::string& line : wire.layer_lines) EXPECT_NE(HeaderName(line), "content-type");
}

struct HeaderCase {
  const char* name;
  const char* caller_lines;
  std::vector<std::string> (*expected)(const std::string& url);
};

class FetchPageCallerHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(FetchPageCallerHeaders, GetOnlyTheDefaultsTheyLack) {
  const HeaderCase& c = GetParam();
  RecordingServer server(HttpReply("ok"));
  const std::string url = Url(server, "/h");
  Text headers = c.caller_lines;

  EXPECT_EQ(FetchPage(Text(url), nullptr, nullptr, &headers).View(), "ok");

  const WireRequest wire = ParseWire(server.WaitForFirstRequest(0));
  EXPECT_EQ(wire.request_line, "GET /h HTTP/1.1");
  EXPECT_EQ(wire.our_lines, c.expected(url));
  EXPECT_EQ(SplitLines(headers.View()), wire.our_lines);
}

INSTANTIATE_TEST_SUITE_P(
    Completion, FetchPageCallerHeaders,
    testing::Values(
        HeaderCase{"LowerCaseAccept", "accept: text/html\r\n",
                   [](const std::string& url) {
                     return Lines({"accept: text/html", "Referer: " + url, kLanguageLine});
                   }},
        HeaderCase{"OwnRefererAndLanguage",
                   "X-Trace: 7\r\nREFERER: http://x/\r\naccept-language: en\r\n",
                   [](const std::string&) {
                     return Lines(
                         {"X-Trace: 7", "REFERER: http://x/", "accept-language: en", kAcceptLine});
                   }},
        HeaderCase{"NoneOfTheirOwn", "",
                   [](const std::string& url) {
                     return Lines({kAcceptLine, "Referer: " + url, kLanguageLine});
                   }}),
    [](const testing::TestParamInfo<HeaderCase>& param) { return param.param.name; });

struct BodyCase {
  const char* name;
  std::string sent;
  std::string returned;
};

class FetchPageBody : public testing::TestWithParam<BodyCase> {};

TEST_P(FetchPageBody, IsReturnedUpToItsFirstZeroByte) {
  RecordingServer server(HttpReply(GetParam().sent));
  EXPECT_EQ(FetchPage(Text(Url(server, "/"))).View(), GetParam().returned);
}

std::string LongPage() {
  std::string page;
  for (int i = 0; page.size() < 5000; ++i) page += "line " + std::to_string(i) + "\n";
  return page;
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, FetchPageBody,
    testing::Values(BodyCase{"ZeroInside", std::string("AB\0CD", 5), "AB"},
                    BodyCase{"ZeroFirst", std::string("\0AB", 3), ""}, BodyCase{"Empty", "", ""},
                    BodyCase{"ManyChunks", LongPage(), LongPage()},
                    BodyCase{"ZeroPastFirstChunk", LongPage() + std::string("\0tail", 5),
                             LongPage()}),
    [](const testing::TestParamInfo<BodyCase>& param) { return param.param.name; });

// Runs FetchPage on another thread and reports whether it ended in time, with its page.
struct Outcome {
  bool ended = false;
  std::string page;
};

Outcome FetchWithin(std::chrono::seconds limit, const std::string& url, FetchControls controls) {
  auto fetch = std::async(std::launch::async, [url, controls] {
    return std::string(
        FetchPage(Text(url), nullptr, nullptr, nullptr, nullptr, nullptr, controls).View());
  });
  Outcome outcome;
  outcome.ended = fetch.wait_for(limit) == std::future_status::ready;
  if (outcome.ended) outcome.page = fetch.get();
  return outcome;
}

TEST(FetchPage, EndsWhenTheBodyIsInEvenIfTheServerKeepsTheConnection) {
  RecordingServer server("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nkept",
                         RecordingServer::Answer::kReplyAndHold);
  FetchControls controls;  // the full time-out: only the length of the body can end it promptly
  const Outcome outcome = FetchWithin(kPromptly, Url(server, "/"), controls);
  EXPECT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.page, "kept");
}

struct UnreachableCase {
  const char* name;
  std::string url;
};

class FetchPageUnreachable : public testing::TestWithParam<UnreachableCase> {};

TEST_P(FetchPageUnreachable, GivesTheEmptyTextPromptly) {
  FetchControls controls;
  controls.timeout_ms = 3000;
  const Outcome outcome = FetchWithin(kPromptly, GetParam().url, controls);
  EXPECT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.page, "");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FetchPageUnreachable,
    testing::Values(
        UnreachableCase{"RefusedPort",
                        "http://127.0.0.1:" + std::to_string(test::UnusedLoopbackPort()) + "/"},
        UnreachableCase{"UnresolvableHost", "http://no-such-host.invalid/android_3.7.php"},
        UnreachableCase{"PortOutOfRange", "http://127.0.0.1:70000/"},
        UnreachableCase{"NoHost", "/android_3.7.php"}),
    [](const testing::TestParamInfo<UnreachableCase>& param) { return param.param.name; });

class FetchPageStalled : public testing::TestWithParam<const char*> {};

// A server that takes the request and never answers; a POST's body sent just before must not
// count as progress for long.
TEST_P(FetchPageStalled, EndsAtTheTimeOut) {
  RecordingServer server("", RecordingServer::Answer::kStall);
  FetchControls controls;
  controls.timeout_ms = 300;
  const std::string url = Url(server, "/slow");
  Text method = GetParam();
  const Text body = kQueryBody;
  auto fetch = std::async(std::launch::async, [&] {
    return std::string(
        FetchPage(Text(url), &method, nullptr, nullptr, &body, nullptr, controls).View());
  });

  EXPECT_EQ(fetch.wait_for(kPromptly), std::future_status::ready);
  EXPECT_EQ(fetch.get(), "");
  EXPECT_EQ(ParseWire(server.WaitForFirstRequest(0)).request_line,
            std::string(GetParam()) + " /slow HTTP/1.1");
}

INSTANTIATE_TEST_SUITE_P(Methods, FetchPageStalled, testing::Values("GET", "POST"));

// Runs FetchPage against a stalled server and stops it once the request has arrived.
Outcome StopStalledFetch(FetchControls controls) {
  RecordingServer server("", RecordingServer::Answer::kStall);
  ExchangeStop stop;
  controls.stop = &stop;
  const std::string url = Url(server, "/slow");
  auto fetch = std::async(std::launch::async, [&] {
    return std::string(
        FetchPage(Text(url), nullptr, nullptr, nullptr, nullptr, nullptr, controls).View());
  });
  EXPECT_FALSE(server.WaitForFirstRequest(8000).empty());
  stop.Stop();
  Outcome outcome;
  outcome.ended = fetch.wait_for(kPromptly) == std::future_status::ready;
  outcome.page = fetch.get();
  return outcome;
}

TEST(FetchPage, StopFromAnotherThreadEndsAStalledExchange) {
  if (!test::StopEndsABlockedReceive()) {
    GTEST_SKIP() << "this HTTP layer ends a blocked receive only at its time-out";
  }
  const Outcome outcome = StopStalledFetch({});  // 18 s time-out: only the stop ends it promptly
  EXPECT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.page, "");
}

TEST(FetchPage, StoppedExchangeEndsAtTheLatestAtItsTimeOut) {
  FetchControls controls;
  controls.timeout_ms = 1000;
  const Outcome outcome = StopStalledFetch(controls);
  EXPECT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.page, "");
}

TEST(FetchPage, StopBeforeTheExchangeSendsNothing) {
  RecordingServer server(HttpReply("never read"));
  ExchangeStop stop;
  stop.Stop();
  FetchControls controls;
  controls.stop = &stop;

  EXPECT_EQ(FetchPage(Text(Url(server, "/")), nullptr, nullptr, nullptr, nullptr, nullptr, controls)
                .View(),
            "");
  EXPECT_TRUE(server.Requests().empty());
}

TEST(FetchPage, ProxySeesTheWholeUrlInTheRequestLine) {
  RecordingServer proxy_server(HttpReply("via proxy"));
  const Text proxy(std::string("127.0.0.1:") + std::to_string(proxy_server.Port()));
  const std::string url = "http://origin.invalid:8080/a/b?x=1";

  EXPECT_EQ(FetchPage(Text(url), nullptr, &proxy).View(), "via proxy");

  const WireRequest wire = ParseWire(proxy_server.WaitForFirstRequest(0));
  EXPECT_EQ(wire.request_line, "GET http://origin.invalid:8080/a/b?x=1 HTTP/1.1");
  EXPECT_EQ(LayerLine(wire, "Host"), "Host: origin.invalid:8080");
  EXPECT_EQ(wire.our_lines, Lines({kAcceptLine, "Referer: " + url, kLanguageLine}));
}

std::string FillerHeaders(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) {
    lines += "X-Filler-" + std::to_string(i) + ": " +
             std::string(60, static_cast<char>('a' + i % 26)) + "\r\n";
  }
  return lines;
}

class FetchPageResponseHeaders : public testing::TestWithParam<int> {};

TEST_P(FetchPageResponseHeaders, ComeBackWholeWhenAskedFor) {
  const std::string reply = HttpReply("body", FillerHeaders(GetParam()));
  RecordingServer server(reply);
  Text response_headers = "left over";

  EXPECT_EQ(FetchPage(Text(Url(server, "/")), nullptr, nullptr, nullptr, nullptr, &response_headers)
                .View(),
            "body");

  const std::string head = reply.substr(0, reply.find("\r\n\r\n") + 4);
  EXPECT_EQ(SplitLines(response_headers.View()), SplitLines(head));
  EXPECT_TRUE(response_headers.View().ends_with("\r\n\r\n"));
}

// 0 fillers fit in 1024 bytes; 40 make a block of about 3 KB.
INSTANTIATE_TEST_SUITE_P(Sizes, FetchPageResponseHeaders, testing::Values(0, 40));

}  // namespace
}  // namespace vq
