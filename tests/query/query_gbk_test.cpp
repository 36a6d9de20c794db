// The province table, the answer markers and the fixed parts of the body, checked byte for byte
// against iconv's conversion of the same characters.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "query/provinces.h"
#include "query/query_exchange.h"
#include "tests/query/form_decoding.h"
#include "text/gbk_utf8.h"
#include "text/text_ops.h"

namespace vq {
namespace {

std::string_view Utf8(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

constexpr std::u8string_view kAbbreviations =
    u8"津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川";

TEST(ProvincesGbk, TheTableIsTheGbkOfTheThirtyOneCharacters) {
  EXPECT_EQ(ProvinceAbbreviations(), Utf8ToGbk(Utf8(kAbbreviations)));
}

TEST(ProvincesGbk, EveryRowDecodesToItsCharacter) {
  // Each character of the UTF-8 list is three bytes.
  for (std::int64_t i = 0; i < kProvinceCount; ++i) {
    const std::string_view character = Utf8(kAbbreviations.substr(3 * i, 3));
    SCOPED_TRACE(std::string(character));
    const Text gbk = Utf8ToGbk(character);
    EXPECT_EQ(ProvinceAbbreviation(i), gbk);
    EXPECT_EQ(testing_support::FormDecoded(ProvinceFormValue(i).View()), gbk.View());
    EXPECT_EQ(ProvinceIndexOf(gbk), i);
  }
}

struct MarkerCase {
  const char* name;
  Text compiled;
  std::string_view utf8;
};

TEST(QueryGbk, TheMarkersAreTheirGbkBytes) {
  const MarkerCase cases[] = {
      {"answer", AnswerMarker(), Utf8(u8"您查询的")},
      {"rate limit", RateLimitMarker(), Utf8(u8"为保证网站正常运行")},
      {"count start", CountStartMarker(), Utf8(u8"共有 <font color='red'><font color=red>")},
      {"count end", CountEndMarker(), Utf8(u8"</font></font> 条违章！</div>")},
  };
  for (const MarkerCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.compiled, Utf8ToGbk(c.utf8));
  }
}

TEST(QueryGbk, TheFixedFieldsDecodeToTheirGbkTexts) {
  const auto fields = testing_support::FormFields(BuildQueryBody(30, Text()).View());
  EXPECT_EQ(fields.find("lei")->second, Utf8ToGbk(Utf8(u8"小型汽车")).View());
  EXPECT_EQ(fields.find("submit")->second, Utf8ToGbk(Utf8(u8"查 询")).View());
  EXPECT_EQ(fields.find("provice")->second, Utf8ToGbk(Utf8(u8"川")).View());
  EXPECT_EQ(fields.find("txtVehicleNo")->second, "");
  EXPECT_EQ(fields.find("location")->second, "");
}

TEST(QueryGbk, AChinesePlateArrivesAsItsGbkBytes) {
  const Text plate = Utf8ToGbk(Utf8(u8"使A 12&3"));
  const auto fields = testing_support::FormFields(BuildQueryBody(1, plate).View());
  EXPECT_EQ(fields.find("txtVehicleNo")->second, plate.View());
}

TEST(QueryGbk, ReadsAPageWrittenInUtf8AndConvertedByIconv) {
  const Text page =
      Utf8ToGbk(Utf8(u8"<html><head><title>违章查询结果</title></head><body>\r\n"
                     u8"<div class='t'>您查询的车辆：京A12345（小型汽车）</div>\r\n"
                     u8"<div>截至今日，该车共有 <font color='red'><font color=red>3</font></font> "
                     u8"条违章！</div>\r\n"
                     u8"<p>为保证网站正常运行，请勿频繁查询。</p></body></html>"));
  EXPECT_EQ(ReadQueryPage(page), (QueryOutcome{QueryOutcome::Kind::kFound, "3"}));

  const Text limited =
      Utf8ToGbk(Utf8(u8"<html><body><p>为保证网站正常运行，请于30秒后再查询。</p></body></html>"));
  EXPECT_EQ(ReadQueryPage(limited), (QueryOutcome{QueryOutcome::Kind::kRateLimited, {}}));
}

}  // namespace
}  // namespace vq
