#include <gtest/gtest.h>

#include "text/text_ops.h"

namespace vq {
namespace {

struct CaseMapCase {
  const char* t;
  const char* upper;
  const char* lower;
};

TEST(TextCaseMapping, MapsSingleByteLettersOnly) {
  const CaseMapCase cases[] = {
      {"post", "POST", "post"},
      {"PoSt 1@[`{", "POST 1@[`{", "post 1@[`{"},
      {"\xB0\x61\x62", "\xB0\x61\x42", "\xB0\x61\x62"},  // the letter after a lead byte stays
      {"\xB0\x41\x42", "\xB0\x41\x42", "\xB0\x41\x62"},
      {"ab\xB0", "AB\xB0", "ab\xB0"},  // a lone lead byte at the end stays
      {"\xC1\xE1", "\xC1\xE1", "\xC1\xE1"},
      {"", "", ""},
  };
  for (const CaseMapCase& c : cases) {
    SCOPED_TRACE(c.t);
    EXPECT_EQ(TextUpper(c.t), Text(c.upper));
    EXPECT_EQ(TextLower(c.t), Text(c.lower));
  }
}

struct CompareCase {
  const char* a;
  const char* b;
  bool case_sensitive;
  bool equal;
};

TEST(TextCompare, IsZeroExactlyForEqualTexts) {
  const CompareCase cases[] = {
      {"HTTP://", "http://", false, true},
      {"HTTP://", "http://", true, false},
      {"hTtP://", "http://", false, true},
      {"http:/", "http://", false, false},
      {"http://", "http:/", false, false},
      {"", "", true, true},
      {"", "a", false, false},
      {"[", "{", false, false},
      {"\xB0\x41", "\xB0\x61", false, false},  // the second byte of a character is not folded
      {"\xB0\x41", "\xB0\x41", false, true},
      {"\xB0", "\xB0\x41", false, false},
      {"\xB0\x41", "\xB0", false, false},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    EXPECT_EQ(TextCompare(c.a, c.b, c.case_sensitive) == 0, c.equal);
  }
}

TEST(TextCompare, OrdersTheTwoSidesOppositely) {
  EXPECT_LT(TextCompare("abc", "abd", true) * TextCompare("abd", "abc", true), 0);
  EXPECT_LT(TextCompare("ab", "abc", false) * TextCompare("abc", "ab", false), 0);
}

TEST(TextEquals, ComparesBytesAndTreatsAbsentAsEmpty) {
  EXPECT_TRUE(TextEquals(Text(), ""));
  EXPECT_TRUE(TextEquals(Text(static_cast<const char*>(nullptr)), Text()));
  EXPECT_TRUE(TextEquals("\xB0\xA1", "\xB0\xA1"));
  EXPECT_FALSE(TextEquals("a", "A"));
  EXPECT_FALSE(TextEquals("a", "a "));
}

}  // namespace
}  // namespace vq
