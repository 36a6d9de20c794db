// The stand-in query service's parts: form decoding, the data file, the rate limit, the pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "answer_pages.h"
#include "form_fields.h"
#include "plate_book.h"
#include "rate_limiter.h"
#include "text/gbk_utf8.h"

namespace query_service {
namespace {

std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

struct DecodeCase {
  const char* encoded;
  std::string decoded;
};

class PercentDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(PercentDecoding, GivesTheRawBytes) {
  EXPECT_EQ(PercentDecode(GetParam().encoded), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Cases, PercentDecoding,
                         testing::Values(DecodeCase{"%BE%A9", "\xBE\xA9"},
                                         DecodeCase{"%be%a9", "\xBE\xA9"}, DecodeCase{"A+1", "A 1"},
                                         DecodeCase{"%26%3D%25", "&=%"},
                                         DecodeCase{"%00x", std::string("\0x", 2)},
                                         DecodeCase{"50%", "50%"}, DecodeCase{"%4", "%4"},
                                         DecodeCase{"%zz1", "%zz1"}, DecodeCase{"", ""}));

TEST(FormFields, SplitsDecodesAndKeepsTheFirstOfAName) {
  const auto fields = ParseFormFields("provice=%BE%A9&txtVehicleNo=A1%262&flag&provice=%BD%F2&=v");
  EXPECT_EQ(fields.at("provice"), "\xBE\xA9");
  EXPECT_EQ(fields.at("txtVehicleNo"), "A1&2");
  EXPECT_EQ(fields.at("flag"), "");
  EXPECT_EQ(fields.at(""), "v");
  EXPECT_EQ(fields.size(), 4u);
}

class PlateBookFile : public testing::Test {
 protected:
  std::string Write(const std::string& content) {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold a slash
    path_ = testing::TempDir() + "query_service_parts_" + name + ".plates";
    std::ofstream(path_, std::ios::binary) << content;
    return path_;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_;
};

TEST_F(PlateBookFile, ReadsCountsAndKnobs) {
  std::string error;
  const auto book = PlateBook::Load(
      Write(Utf8(u8"# sample\n\n京 A12345 3\r\n川 b1 rate-limit\n粤 C1   no-count\n")), error);
  ASSERT_TRUE(book.has_value()) << error;
  EXPECT_EQ(book->Find(Utf8(u8"京"), "A12345").count, 3);
  EXPECT_EQ(book->Find(Utf8(u8"京"), "a12345").count, 3);
  EXPECT_EQ(book->Find(Utf8(u8"川"), "B1").kind, PlateAnswer::Kind::kRateLimit);
  EXPECT_EQ(book->Find(Utf8(u8"粤"), "C1").kind, PlateAnswer::Kind::kNoCount);
  const PlateAnswer other = book->Find(Utf8(u8"川"), "A12345");
  EXPECT_EQ(other.kind, PlateAnswer::Kind::kCount);
  EXPECT_EQ(other.count, 0);
}

class PlateBookBadLine : public PlateBookFile, public testing::WithParamInterface<const char*> {};

TEST_P(PlateBookBadLine, IsRefusedWithItsLineNumber) {
  std::string error;
  EXPECT_FALSE(PlateBook::Load(Write(std::string("ok A1 1\n") + GetParam()), error).has_value());
  EXPECT_NE(error.find(":2:"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Lines, PlateBookBadLine,
                         testing::Values("x A1", "x A1 -1", "x A1 3x", "x A1 3 4", "x A1 maybe"));

TEST_F(PlateBookFile, MissingFileIsRefused) {
  std::string error;
  EXPECT_FALSE(PlateBook::Load(testing::TempDir() + "no-such.plates", error).has_value());
  EXPECT_FALSE(error.empty());
}

TEST(RateLimiter, RefusesPastTheLimitWithinTheWindowPerClient) {
  RateLimiter limiter(2, 30000);
  EXPECT_FALSE(limiter.TooMany("a", 0));
  EXPECT_FALSE(limiter.TooMany("a", 1000));
  EXPECT_TRUE(limiter.TooMany("a", 2000));
  EXPECT_FALSE(limiter.TooMany("b", 2000));
  // 30 s after the first two they no longer count; the refused third still does.
  EXPECT_FALSE(limiter.TooMany("a", 31000));
  EXPECT_TRUE(limiter.TooMany("a", 31000));
}

TEST(RateLimiter, ZeroMeansNoLimit) {
  RateLimiter limiter(0, 30000);
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(limiter.TooMany("a", 0));
}

// The markers checked in GBK bytes, converted independently from UTF-8 here.
std::string Gbk(const char8_t* utf8) {
  return std::string(vq::Utf8ToGbk(Utf8(utf8)).View());
}

TEST(AnswerPages, HoldTheirMarkersInGbk) {
  const std::string counted = CountPage(Utf8(u8"京"), "A12345", 3);
  const std::string count_start = Gbk(u8"共有 <font color='red'><font color=red>");
  const std::string count_end = Gbk(u8"</font></font> 条违章！</div>");
  EXPECT_GT(counted.find(Gbk(u8"您查询的")), 0u);
  EXPECT_NE(counted.find(count_start + "3" + count_end), std::string::npos);
  EXPECT_NE(counted.find(Gbk(u8"京A12345")), std::string::npos);

  const std::string count_less = NoCountPage(Utf8(u8"京"), "A1");
  EXPECT_NE(count_less.find(Gbk(u8"您查询的")), std::string::npos);
  EXPECT_EQ(count_less.find(count_start), std::string::npos);

  EXPECT_NE(RateLimitPage().find(Gbk(u8"为保证网站正常运行")), std::string::npos);
  EXPECT_EQ(RateLimitPage().find(Gbk(u8"您查询的")), std::string::npos);
  EXPECT_EQ(NoProvincePage().find(Gbk(u8"您查询的")), std::string::npos);
  EXPECT_EQ(NoProvincePage().find(Gbk(u8"为保证网站正常运行")), std::string::npos);
}

TEST(AnswerPages, ShowAPlateWithoutLettingItForgeMarkers) {
  const std::string page = CountPage(Utf8(u8"京"), "</font></font>", 5);
  EXPECT_EQ(page.find("</font></font>"), page.find(Gbk(u8"</font></font> 条违章")));
}

TEST(Provinces, AreTheThirtyOneAbbreviations) {
  const std::string all = Utf8(u8"津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川");
  for (std::size_t at = 0; at < all.size(); at += 3) {
    EXPECT_TRUE(IsKnownProvince(all.substr(at, 3))) << at / 3;
  }
  EXPECT_FALSE(IsKnownProvince(Utf8(u8"港")));
  EXPECT_FALSE(IsKnownProvince(""));
  EXPECT_FALSE(IsKnownProvince(Utf8(u8"京京")));
}

}  // namespace
}  // namespace query_service
