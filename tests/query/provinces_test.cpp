#include "query/provinces.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "tests/query/form_decoding.h"
#include "text/text_ops.h"

namespace vq {
namespace {

TEST(Provinces, TheTableHoldsThirtyOneTwoByteCharacters) {
  const Text all = ProvinceAbbreviations();
  ASSERT_EQ(TextLength(all), 2 * kProvinceCount);
  for (std::int64_t i = 0; i < kProvinceCount; ++i) {
    SCOPED_TRACE(i);
    const Text abbreviation = ProvinceAbbreviation(i);
    ASSERT_EQ(TextLength(abbreviation), 2);
    EXPECT_GE(abbreviation.At(0), 0x81);  // a GBK lead byte, so each row is one character
    EXPECT_EQ(abbreviation, TextMid(all, 2 * i + 1, 2));
  }
}

TEST(Provinces, EveryAbbreviationLooksUpToItsOwnRow) {
  for (std::int32_t i = 0; i < kProvinceCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ProvinceIndexOf(ProvinceAbbreviation(i)), i);
  }
}

struct LookupCase {
  const char* name;
  Text abbreviation;
  std::int32_t expected;
};

TEST(Provinces, ReverseLookupOfOtherTexts) {
  const LookupCase cases[] = {
      {"the empty text is the first row", Text(), 0},
      {"a character not in the table", "港", -1},
      {"two neighbours in table order", "津京", 0},
      {"two neighbours further on", "陕川", 29},
      {"two rows not next to each other", "京津", -1},
      {"a plate letter", "A", -1},
      // The second byte of 津 and the first of 京 occur together, but not where a character begins.
      {"bytes across two characters", TextMid(ProvinceAbbreviations(), 2, 2), -1},
      {"the whole table", ProvinceAbbreviations(), 0},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ProvinceIndexOf(c.abbreviation), c.expected);
  }
}

TEST(Provinces, FormValueIsEmptyOutsideTheTable) {
  for (const std::int64_t index : {std::int64_t{-1}, std::int64_t{31}, std::int64_t{32},
                                   std::int64_t{-31}, INT64_MIN, INT64_MAX}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(ProvinceFormValue(index), Text());
    EXPECT_EQ(ProvinceAbbreviation(index), Text());
  }
}

TEST(Provinces, FormValueIsBothBytesPercentEncoded) {
  for (std::int64_t i = 0; i < kProvinceCount; ++i) {
    SCOPED_TRACE(i);
    const Text value = ProvinceFormValue(i);
    ASSERT_EQ(TextLength(value), 6);
    EXPECT_EQ(value.View()[0], '%');
    EXPECT_EQ(value.View()[3], '%');
    EXPECT_EQ(TextUpper(value), value);  // upper-case hex digits
    EXPECT_EQ(testing_support::FormDecoded(value.View()), ProvinceAbbreviation(i).View());
  }
}

}  // namespace
}  // namespace vq
