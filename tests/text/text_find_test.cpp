#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/text_ops.h"

namespace vq {
namespace {

constexpr std::int64_t kNoStart = INT64_MIN + 1;  // marks "start omitted" in the tables

struct FindCase {
  const char* t;
  const char* sought;
  std::int64_t start;
  bool ignore_case;
  std::int64_t expected;
};

std::int64_t Find(const FindCase& c) {
  return c.start == kNoStart ? TextFind(c.t, c.sought, c.ignore_case)
                             : TextFind(c.t, c.sought, c.start, c.ignore_case);
}

TEST(TextFind, FindsAtCharacterStartsCountingFromTheStartOffset) {
  const FindCase cases[] = {
      // The empty text is found at 1 whenever the searched region is not empty.
      {"abc", "", kNoStart, false, 1},
      {"abc", "", 1, false, 1},
      {"abc", "", 2, false, 1},
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"", "", kNoStart, false, -1},
      {"", "a", kNoStart, false, -1},
      // Start positions: 0 and below search from the first byte; positions count from byte 1.
      {"abc", "c", 3, false, 3},
      {"abc", "c", 4, false, -1},
      {"abc", "a", 0, false, 1},
      {"abc", "a", -5, false, 1},
      {"abc", "a", INT64_MIN, false, 1},
      {"abc", "a", INT64_MAX, false, -1},
      {"http://h/p", "/", 8, false, 9},
      {"abcabc", "abc", 2, false, 4},
      // Longer than what is left.
      {"abc", "abcd", kNoStart, false, -1},
      {"abc", "bc", 3, false, -1},
      // A top-bit byte takes the next byte with it, whatever that byte is.
      {"\xB0\x41", "\x41", kNoStart, false, -1},
      {"\xB0\x41\x41", "\x41", kNoStart, false, 3},
      {"\x80\x41\x41", "\x41", kNoStart, false, 3},
      {"\xFF\x41\x41", "\x41", kNoStart, false, 3},
      {"\xB0\xB1\xB2\xB3", "\xB1\xB2", kNoStart, false, -1},
      {"\xB0\xB1\xB2\xB3", "\xB2\xB3", kNoStart, false, 3},
      // The byte at the start offset begins a character even inside a two-byte character.
      {"\xB0\xB1\xB2\xB3", "\xB1\xB2", 2, false, 2},
      {"\xB0\x41", "\x41", 2, false, 2},
      // A top-bit byte at the very end can still be matched by itself.
      {"a\xB0", "\xB0", kNoStart, false, 2},
      {"\xB1\x41\xB0", "\xB0", kNoStart, false, 3},
      // Case folding: ASCII letters only, second bytes of characters included.
      {"accept: text/html", "Accept: ", kNoStart, true, 1},
      {"accept: text/html", "Accept: ", kNoStart, false, -1},
      {"\x81\x41", "\x81\x61", kNoStart, true, 1},
      {"\x81\x41", "\x81\x61", kNoStart, false, -1},
      {"[", "{", kNoStart, true, -1},  // 5B and 7B differ by the case bit but are not letters
      {"\xC1", "\xE1", kNoStart, true, -1},
      {"\xB0\x41\x61", "A", kNoStart, true, 3},
      {"xX", "x", 2, true, 2},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "find \"" << c.sought << "\" in \"" << c.t << "\" from "
                                    << c.start << (c.ignore_case ? " ignoring case" : ""));
    EXPECT_EQ(Find(c), c.expected);
  }
}

// The search as a plain character walk, compared with the fast search on random texts made of
// few byte values (so that matches and misaligned near-matches are frequent).
std::int64_t WalkingFind(const std::string& t, const std::string& sought, std::size_t from) {
  if (from >= t.size()) return -1;
  if (sought.empty()) return 1;
  for (std::size_t q = from; q <= t.size() && t.size() - q >= sought.size();
       q += static_cast<unsigned char>(t[q]) >= 0x80 ? 2 : 1) {
    if (t.compare(q, sought.size(), sought) == 0) return static_cast<std::int64_t>(q) + 1;
  }
  return -1;
}

TEST(TextFind, AgreesWithACharacterWalkOnRandomTexts) {
  std::mt19937 random(20261211);
  const char alphabet[] = {'a', 'b', '\xB0', '\xA1'};
  std::uniform_int_distribution<int> pick(0, 3);
  const auto random_text = [&](std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(alphabet[pick(random)]);
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string t = random_text(std::uniform_int_distribution<std::size_t>(0, 40)(random));
    const std::string sought =
        random_text(std::uniform_int_distribution<std::size_t>(1, 4)(random));
    const std::size_t from = std::uniform_int_distribution<std::size_t>(0, 8)(random);
    ASSERT_EQ(TextFind(Text(t), Text(sought), static_cast<std::int64_t>(from) + 1),
              WalkingFind(t, sought, from))
        << "round " << round;
  }
}

TEST(TextFind, StaysOnCharacterBoundariesAcrossAPageOfDoubleByteText) {
  // 100000 two-byte characters whose second byte equals the sought byte, then the sought byte.
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "\xB0\x41";
  Text page(bytes);
  EXPECT_EQ(TextFind(page, "\x41"), -1);
  page = TextJoin({page, "\x41"});
  EXPECT_EQ(TextFind(page, "\x41"), 200001);
  EXPECT_EQ(TextFind(page, "\x41", 2), 2);
}

struct BetweenCase {
  const char* t;
  const char* start_marker;
  const char* end_marker;
  const char* expected;
};

TEST(TextBetween, TakesTheBytesBetweenTheFirstOccurrencesOfBothMarkers) {
  const BetweenCase cases[] = {
      {"x[12]y", "[", "]", "12"}, {"]x[12]", "[", "]", ""},  // the first ] comes before the [
      {"x[]y", "[", "]", ""},     {"x[12", "[", "]", ""},   {"abc]d", "", "]", "abc"},
      {"a[b]c", "[", "", ""},     {"a[b]c", "{", "]", ""},  {"<<a>>", "<<", ">>", "a"},
      {"ab", "ab", "b", ""},  // the end marker overlaps the start marker
      {"", "[", "]", ""},
  };
  for (const BetweenCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.t << " between " << c.start_marker << " and " << c.end_marker);
    EXPECT_EQ(TextBetween(c.t, c.start_marker, c.end_marker), Text(c.expected));
  }
}

}  // namespace
}  // namespace vq
