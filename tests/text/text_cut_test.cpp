#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "text/text_ops.h"

namespace vq {
namespace {

struct CutCase {
  const char* name;
  Text result;
  const char* expected;
};

TEST(TextCutting, ClampsPositionsAndCountsByBytes) {
  const CutCase cases[] = {
      {"Mid abcdef 3 2", TextMid("abcdef", 3, 2), "cd"},
      {"Mid abc 0 2", TextMid("abc", 0, 2), ""},  // a start below 1 is not moved up
      {"Mid abc -1 5", TextMid("abc", -1, 5), ""},
      {"Mid abc 3 10", TextMid("abc", 3, 10), "c"},
      {"Mid abc 4 1", TextMid("abc", 4, 1), ""},
      {"Mid abc 1 0", TextMid("abc", 1, 0), ""},
      {"Mid abc 2 max", TextMid("abc", 2, INT64_MAX), "bc"},
      {"Mid abc max max", TextMid("abc", INT64_MAX, INT64_MAX), ""},
      {"Mid cuts a character", TextMid("\xB0\xA1\xB0\xA2", 2, 2), "\xA1\xB0"},
      {"Left abc 5", TextLeft("abc", 5), "abc"},
      {"Left abc 0", TextLeft("abc", 0), ""},
      {"Left abc min", TextLeft("abc", INT64_MIN), ""},
      {"Left abc 2", TextLeft("abc", 2), "ab"},
      {"Right abc 2", TextRight("abc", 2), "bc"},
      {"Right abc -1", TextRight("abc", -1), ""},
      {"Right abc max", TextRight("abc", INT64_MAX), "abc"},
      {"Remove http://a/b 1 7", TextRemoveRange("http://a/b", 1, 7), "a/b"},
      {"Remove http:/ 1 7", TextRemoveRange("http:/", 1, 7), ""},
      {"Remove abc 1 0", TextRemoveRange("abc", 1, 0), "abc"},
      {"Remove abc 2 -3", TextRemoveRange("abc", 2, -3), "abc"},
      {"Remove abcde 2 2", TextRemoveRange("abcde", 2, 2), "ade"},
      {"Remove abc 0 1", TextRemoveRange("abc", 0, 1), "bc"},  // start below 1 acts as 1
      {"Remove abc min 1", TextRemoveRange("abc", INT64_MIN, 1), "bc"},
      {"Remove abc 9 1", TextRemoveRange("abc", 9, 1), "abc"},
      {"Remove abc 3 max", TextRemoveRange("abc", 3, INT64_MAX), "ab"},
      {"Spaces 0", TextSpaces(0), ""},
      {"Spaces -4", TextSpaces(-4), ""},
      {"Spaces 3", TextSpaces(3), "   "},
      {"Join empty pieces", TextJoin({"", Text(), ""}), ""},
      {"Join", TextJoin({"ab", "", "\xB0\xA1", "c"}),
       "ab\xB0\xA1"
       "c"},
      {"FromInt -15", TextFromInt(-15), "-15"},
      {"FromInt 0", TextFromInt(0), "0"},
      {"FromInt max", TextFromInt(INT32_MAX), "2147483647"},
      {"FromInt min", TextFromInt(INT32_MIN), "-2147483648"},
      {"FromBytes stops at zero", TextFromBytes(Bytes(std::string("AB\0C", 4))), "AB"},
      {"FromBytes leading zero", TextFromBytes(Bytes(std::string("\0A", 2))), ""},
      {"FromBytes empty", TextFromBytes(Bytes()), ""},
      {"FromBytes no zero", TextFromBytes(Bytes("\xB0\xA1z")), "\xB0\xA1z"},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.result, Text(c.expected));
  }
}

TEST(TextCutting, LengthsCountBytes) {
  EXPECT_EQ(TextLength(Text()), 0);
  EXPECT_EQ(TextLength("\xB0\xA1z"), 3);
  EXPECT_EQ(BytesLength(Bytes()), 0);
  EXPECT_EQ(BytesLength(Bytes(std::string("\0\0\0", 3))), 3);
}

TEST(BytesOperations, KeepZeroBytesAndClampCounts) {
  const Bytes b(std::string("a\0b", 3));
  EXPECT_EQ(BytesLeft(b, 2), Bytes(std::string("a\0", 2)));
  EXPECT_EQ(BytesLeft(b, 9), b);
  EXPECT_EQ(BytesLeft(b, 0), Bytes());
  EXPECT_EQ(BytesLeft(b, -1), Bytes());
  EXPECT_EQ(BytesZeroed(0), Bytes());
  EXPECT_EQ(BytesZeroed(-7), Bytes());
  EXPECT_EQ(BytesZeroed(4), Bytes(std::string(4, '\0')));
  EXPECT_EQ(BytesJoin({Bytes(), Bytes()}), Bytes());
  EXPECT_EQ(BytesJoin({b, Bytes(), Bytes(std::string("\0", 1))}), Bytes(std::string("a\0b\0", 4)));
}

}  // namespace
}  // namespace vq
