#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/text.h"
#include "text/text_ops.h"

namespace vq {
namespace {

TEST(TextValue, HoldsTheBytesBeforeTheFirstZero) {
  EXPECT_EQ(Text(std::string_view("ab\0cd", 5)).View(), "ab");
  EXPECT_EQ(Text(std::string_view("\0ab", 3)), Text());
  EXPECT_EQ(Text("\xB0\xA1").Size(), 2u);
  EXPECT_EQ(Text("\xB0\xA1").At(0), 0xB0);
}

TEST(TextValue, CopiesAreIndependent) {
  Text original("abc");
  Text copy = original;
  original = TextUpper(original);
  EXPECT_EQ(copy, Text("abc"));
  EXPECT_EQ(original, Text("ABC"));
  Bytes bytes(std::string("\0x", 2));
  const Bytes kept = bytes;
  bytes = BytesZeroed(1);
  EXPECT_EQ(kept.View(), std::string_view("\0x", 2));
}

std::vector<unsigned char> Stored(std::uint32_t word, std::uint32_t count, std::string payload) {
  std::vector<unsigned char> block;
  for (const std::uint32_t value : {word, count}) {
    for (int shift = 0; shift < 32; shift += 8)
      block.push_back(static_cast<unsigned char>(value >> shift));
  }
  block.insert(block.end(), payload.begin(), payload.end());
  return block;
}

struct StoredCase {
  const char* name;
  std::vector<unsigned char> block;
  std::string expected;
};

TEST(BytesFromStored, ReadsTheStoredLayoutAndRejectsABadHeader) {
  const StoredCase cases[] = {
      {"three bytes with a zero", Stored(1, 3, std::string("a\0b", 3)), std::string("a\0b", 3)},
      {"the stored empty value", Stored(1, 0, ""), ""},
      {"bytes past the count are not part of it", Stored(1, 2, "abcd"), "ab"},
      {"the first word is not 1", Stored(2, 3, "abc"), ""},
      {"the first word is 1 << 24", Stored(0x01000000, 3, "abc"), ""},
      {"the count exceeds the block", Stored(1, 4, "abc"), ""},
      {"the count is huge", Stored(1, 0xFFFFFFFF, "abc"), ""},
      {"shorter than the header", {1, 0, 0, 0, 0, 0, 0}, ""},
      {"nothing", {}, ""},
  };
  for (const StoredCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BytesFromStored(c.block.data(), c.block.size()), Bytes(c.expected));
  }
  EXPECT_EQ(BytesFromStored(nullptr, 8), Bytes());
}

}  // namespace
}  // namespace vq
