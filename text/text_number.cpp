// Reading a number from a text, and bringing a real back to an integer.
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "text/text_chars.h"
#include "text/text_ops.h"
#include "text/text_storage.h"

namespace vq {
namespace {

using text_chars::BeginsTwoByteCharacter;

// The single byte a two-byte character reads as, or 0 when it keeps its two bytes: the
// ideographic space, the wave dash, the two stars and the full-width forms of ASCII.
char NarrowedCharacter(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';
    if (trail == 0xAB) return '~';
    if (trail == 0xEE || trail == 0xEF) return '*';
  }
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail & 0x7F);
  return 0;
}

std::string Narrowed(std::string_view t) {
  std::string narrow = text_storage::ReserveBytes(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto lead = static_cast<unsigned char>(t[i]);
    if (!BeginsTwoByteCharacter(lead)) {
      narrow.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == t.size()) break;  // a lone lead byte at the very end is dropped
    const auto trail = static_cast<unsigned char>(t[++i]);
    if (const char single = NarrowedCharacter(lead, trail); single != 0) {
      narrow.push_back(single);
    } else {
      narrow.append(t.substr(i - 1, 2));
    }
  }
  return narrow;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The longest number prefix of `s` (after white space), rewritten in the form from_chars reads:
// no plus sign, "e" for every exponent marker. `scale` receives roughly the decimal exponent of
// the value, to tell an overflow from an underflow. Empty when the prefix holds no digit.
std::string NumberPrefix(std::string_view s, std::int64_t& scale) {
  std::size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  std::string number = text_storage::ReserveBytes(s.size() - i + 1);
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') number.push_back('-');
    ++i;
  }
  std::int64_t whole_digits = 0;    // significant digits before the point
  std::int64_t fraction_zeros = 0;  // zeros after the point before the first significant digit
  bool significant = false;
  bool any_digit = false;
  bool after_point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      any_digit = true;
      if (!after_point && (significant || c != '0')) ++whole_digits;
      if (after_point && !significant && c == '0') ++fraction_zeros;
      if (c != '0') significant = true;
    } else if (c == '.' && !after_point) {
      after_point = true;
    } else {
      break;
    }
    number.push_back(c);
  }
  if (!any_digit) return {};
  scale = whole_digits > 0 ? whole_digits : -fraction_zeros;

  // An exponent counts only with a digit after its marker (and sign).
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    const bool negative = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      number.push_back('e');
      if (negative) number.push_back('-');
      std::int64_t exponent = 0;
      constexpr std::int64_t kSaturated = 1'000'000'000;
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        number.push_back(s[j]);
        if (exponent < kSaturated) exponent = exponent * 10 + (s[j] - '0');
      }
      scale += negative ? -exponent : exponent;
    }
  }
  return number;
}

}  // namespace

double TextToNumber(const Text& t) {
  const std::string narrow = Narrowed(t.View());
  std::int64_t scale = 0;
  const std::string number = NumberPrefix(narrow, scale);
  if (number.empty()) return 0;
  double value = 0;
  const char* const end = number.data() + number.size();
  const auto result = std::from_chars(number.data(), end, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large gives an infinity, too small a zero, as a real reading of the prefix would.
    const double magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number.front() == '-' ? -magnitude : magnitude;
  }
  return value;
}

std::int64_t RealToInt(double r) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(r) || r >= kTwoTo63 || r < -kTwoTo63) {
    return std::numeric_limits<std::int64_t>::min();
  }
  return static_cast<std::int64_t>(r);  // truncation toward zero
}

}  // namespace vq
