#include "text/gbk_utf8.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace vq {
namespace {

std::string_view Utf8(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

TEST(GbkUtf8, ConvertsBothWays) {
  const Text gbk = Utf8ToGbk(Utf8(u8"京A12345 共有 3 条违章"));
  EXPECT_EQ(gbk.View(),
            "\xBE\xA9"
            "A12345 \xB9\xB2\xD3\xD0 3 \xCC\xF5\xCE\xA5\xD5\xC2");
  EXPECT_EQ(GbkToUtf8(gbk), Utf8(u8"京A12345 共有 3 条违章"));
  EXPECT_EQ(GbkToUtf8(Text()), "");
  EXPECT_EQ(Utf8ToGbk(""), Text());
}

struct Unconvertible {
  const char* name;
  std::string_view utf8;
  const char* gbk;
};

TEST(GbkUtf8, WritesAQuestionMarkForWhatCannotBeConverted) {
  const Unconvertible cases[] = {
      {"a character code page 936 lacks", Utf8(u8"a\U0001F600b"), "a?b"},
      {"a stray continuation byte",
       "a\x80"
       "b",
       "a?b"},
      {"a cut sequence at the end", "ab\xE4\xB8", "ab?"},
      {"an invalid lead byte",
       "\xFF"
       "z",
       "?z"},
      {"a zero byte ends the text", std::string_view("ab\0cd", 5), "ab"},
  };
  for (const Unconvertible& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToGbk(c.utf8), Text(c.gbk));
  }
  // A lead byte at the end, and a two-byte sequence code page 936 leaves undefined.
  EXPECT_EQ(GbkToUtf8("ab\xB0"), "ab?");
  EXPECT_EQ(GbkToUtf8("a\xD7\xFA"
                      "b"),
            "a?b");
  EXPECT_EQ(GbkToUtf8("a\x81 b"), "a? b");
}

}  // namespace
}  // namespace vq
