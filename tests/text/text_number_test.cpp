#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "text/text_ops.h"

namespace vq {
namespace {

struct NumberCase {
  const char* t;
  double expected;
};

TEST(TextToNumber, ReadsTheLongestNumberPrefix) {
  const NumberCase cases[] = {
      {"8080", 8080},
      {"8080x", 8080},
      {" \t8080", 8080},
      {"\n\v\f\r12", 12},
      {"", 0},
      {"x1", 0},
      {"1e3", 1000},
      {"1d3", 1000},
      {"1D3", 1000},
      {"1E+3", 1000},
      {"25d-1", 2.5},
      {"1e", 1},  // a marker without digits is not part of the number
      {"1e+", 1},
      {"1dx", 1},
      {"2.", 2},
      {".5", 0.5},
      {"-.5", -0.5},
      {"+7", 7},
      {"-", 0},
      {"+", 0},
      {".", 0},
      {"-.e3", 0},
      {"1.2.3", 1.2},
      {"0x1F", 0},
      {"inf", 0},
      {"nan", 0},
      {"-2.5", -2.5},
      {"00012", 12},
      {"- 1", 0},
      {"3 4", 3},
      {"1e400", std::numeric_limits<double>::infinity()},
      {"-1e400", -std::numeric_limits<double>::infinity()},
      {"1e-400", 0},
      {"0.000000001e-330", 0},
      {"1e99999999999999999999", std::numeric_limits<double>::infinity()},
      // Narrowing: full-width forms and the ideographic space read as their ASCII forms.
      {"\xA3\xB8\xA3\xB0\xA3\xB8\xA3\xB0", 8080},
      {"\xA1\xA1\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5", -1.5},
      {"\xA3\xB1\xA3\xE5\xA3\xB2", 100},
      {"12\xB0", 12},  // a lone lead byte at the end is dropped
      {"1\xB0\xA1"
       "2",
       1},  // any other two-byte character stays and ends the number
      {"\xA1\xEE"
       "5",
       0},  // the star narrows to *, which is not a number
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.t);
    EXPECT_EQ(TextToNumber(c.t), c.expected);
  }
}

struct RealCase {
  double r;
  std::int64_t expected;
};

TEST(RealToInt, TruncatesTowardZeroAndMarksTheOutOfRange) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const RealCase cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {0.0, 0},
      {-2.5, -2},
      {4611686018427387904.0, 4611686018427387904},  // 2^62
      {9223372036854774784.0, 9223372036854774784},  // the largest double below 2^63
      {9223372036854775808.0, kMin},                 // 2^63
      {-9223372036854775808.0, kMin},                // -2^63 is in range and is the minimum
      {-9223372036854777856.0, kMin},                // below the range
      {1e300, kMin},
      {std::numeric_limits<double>::infinity(), kMin},
      {-std::numeric_limits<double>::infinity(), kMin},
      {std::numeric_limits<double>::quiet_NaN(), kMin},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(c.r);
    EXPECT_EQ(RealToInt(c.r), c.expected);
  }
}

TEST(RealToInt, BringsAParsedNegativeNumberBackTowardZero) {
  EXPECT_EQ(RealToInt(TextToNumber("-2.5")), -2);
}

}  // namespace
}  // namespace vq
