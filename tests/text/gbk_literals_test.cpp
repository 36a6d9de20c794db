// The program's own texts are written readably in the sources and compiled to GBK; here their
// bytes are checked against an independent conversion of the same characters by iconv.
#include <string_view>

#include <gtest/gtest.h>

#include "text/gbk_utf8.h"
#include "ui/window_texts.h"

namespace vq {
namespace {

std::string_view Utf8(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

struct LiteralCase {
  const char* name;
  Text compiled;
  std::string_view utf8;
};

TEST(GbkLiterals, WindowTextsAreTheirGbkBytes) {
  const LiteralCase cases[] = {
      {"title", WindowTitle(), Utf8(u8"岚舟汽车违章查询 v1.0 By Quorvane")},
      {"province label", ProvinceLabel(), Utf8(u8"请选择地区：")},
      {"plate label", PlateLabel(), Utf8(u8"车牌号码：")},
      {"button", QueryButtonCaption(), Utf8(u8"查询")},
      {"history region column", HistoryRegionColumn(), Utf8(u8"地区")},
      {"history plate column", HistoryPlateColumn(), Utf8(u8"车牌号码")},
      {"result column", ResultColumn(), Utf8(u8"查询记录")},
      {"rate-limit message", RateLimitMessage(), Utf8(u8"请于 30 秒之后再次查询！")},
      {"rate-limit title", RateLimitTitle(), Utf8(u8"提示")},
      {"start failure", StartWindowFailed(), Utf8(u8"载入启动窗口失败")},
  };
  for (const LiteralCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Text expected = Utf8ToGbk(c.utf8);
    EXPECT_EQ(c.compiled, expected);
    // Nothing in these texts falls outside code page 936.
    EXPECT_EQ(expected.View().find('?'), std::string_view::npos);
  }
}

}  // namespace
}  // namespace vq
