#include <string>

#include <gtest/gtest.h>

#include "query/query_exchange.h"
#include "text/text_ops.h"

namespace vq {
namespace {

using Kind = QueryOutcome::Kind;

// A page the size of the service's answer: GBK filler with ASCII markup around the parts given.
Text Page(const Text& inside) {
  std::string filler;
  for (int i = 0; i < 200; ++i) filler += "<p>交通违法记录查询，请核对车牌号码。</p>\r\n";
  return TextJoin({"<html><head><meta charset=gbk><title>查询结果</title></head><body>",
                   Text(filler), inside, Text(filler), "</body></html>"});
}

Text CountLine(const Text& count) {
  return TextJoin({"<div>", CountStartMarker(), count, CountEndMarker()});
}

struct PageCase {
  const char* name;
  Text page;
  QueryOutcome expected;
};

TEST(ReadQueryPage, ClassifiesAnswerPages) {
  const Text answer = TextJoin({"<div>", AnswerMarker(), "车辆 京A12345 </div>"});
  const Text rate_limit = TextJoin({"<div>", RateLimitMarker(), "，请稍后再试</div>"});
  const PageCase cases[] = {
      {"a count", Page(TextJoin({answer, CountLine("12")})), {Kind::kFound, "12"}},
      {"a count of zero", Page(TextJoin({answer, CountLine("0")})), {Kind::kFound, "0"}},
      {"an empty count", Page(TextJoin({answer, CountLine("")})), {Kind::kFound, ""}},
      {"no count markers", Page(answer), {Kind::kFound, ""}},
      {"only the start marker",
       Page(TextJoin({answer, "<div>", CountStartMarker(), "3</div>"})),
       {Kind::kFound, ""}},
      {"the end marker first",
       Page(TextJoin({answer, CountEndMarker(), CountLine("3")})),
       {Kind::kFound, ""}},
      {"both markers: the answer wins",
       Page(TextJoin({rate_limit, answer, CountLine("2")})),
       {Kind::kFound, "2"}},
      {"the rate-limit page", Page(rate_limit), {Kind::kRateLimited, ""}},
      {"a count line without the answer marker", Page(CountLine("5")), {Kind::kNoAnswer, ""}},
      {"an unrelated page", Page("<div>404</div>"), {Kind::kNoAnswer, ""}},
      {"the empty page", Text(), {Kind::kNoAnswer, ""}},
      // Both tests ask for a position past the first byte.
      {"the answer marker at byte 1",
       TextJoin({AnswerMarker(), CountLine("7")}),
       {Kind::kNoAnswer, ""}},
      {"the rate-limit marker at byte 1", RateLimitMarker(), {Kind::kNoAnswer, ""}},
      {"the answer marker at byte 1 and the rate-limit marker later",
       TextJoin({AnswerMarker(), rate_limit}),
       {Kind::kRateLimited, ""}},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadQueryPage(c.page), c.expected);
  }
}

TEST(ReadQueryPage, AStrayLeadByteHidesTheMarkerBehindIt) {
  // 0xB0 takes the marker's first byte as its second: the marker no longer begins a character.
  const Text hidden_answer = Page(TextJoin({"<div>\xB0", AnswerMarker(), CountLine("4")}));
  EXPECT_EQ(ReadQueryPage(hidden_answer), (QueryOutcome{Kind::kNoAnswer, {}}));

  const Text hidden_count = Page(TextJoin(
      {"<div>", AnswerMarker(), "</div><div>\xB0", CountStartMarker(), "4", CountEndMarker()}));
  EXPECT_EQ(ReadQueryPage(hidden_count), (QueryOutcome{Kind::kFound, {}}));

  // An ASCII byte between the stray byte and the marker puts the marker back on a boundary.
  const Text realigned = Page(TextJoin({"<div>\xB0>", AnswerMarker(), CountLine("4")}));
  EXPECT_EQ(ReadQueryPage(realigned), (QueryOutcome{Kind::kFound, "4"}));
}

TEST(ReadQueryPage, AZeroByteEndsThePage) {
  const Text before = Page("<div>");
  const std::string after = TextJoin({AnswerMarker(), CountLine("9")}).CStr();
  std::string body(before.View());
  body.push_back('\0');
  body += after;
  EXPECT_EQ(ReadQueryPage(TextFromBytes(Bytes(body))), (QueryOutcome{Kind::kNoAnswer, {}}));

  std::string without_zero(before.View());
  without_zero += after;
  EXPECT_EQ(ReadQueryPage(TextFromBytes(Bytes(without_zero))), (QueryOutcome{Kind::kFound, "9"}));
}

}  // namespace
}  // namespace vq
