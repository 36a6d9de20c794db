// Measuring, cutting, case mapping, comparing, joining and converting. Searching is in
// text_find.cpp, reading numbers in text_number.cpp.
#include "text/text_ops.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "text/text_chars.h"
#include "text/text_storage.h"

namespace vq {
namespace {

using text_chars::BeginsTwoByteCharacter;
using text_storage::CountOrZero;
using text_storage::ReserveBytes;

std::uint64_t LengthOf(std::string_view bytes) {
  return bytes.size();
}

// The first min(n, size) bytes; nothing when n <= 0.
std::string_view LeftOf(std::string_view bytes, std::int64_t n) {
  return bytes.substr(0, static_cast<std::size_t>(std::min(CountOrZero(n), LengthOf(bytes))));
}

// Copies `bytes`, rewriting the single-byte characters through `map`; a two-byte character (and a
// top-bit byte at the very end) is copied unchanged.
template <typename ByteMap>
Text MapSingleByteCharacters(std::string_view bytes, ByteMap map) {
  std::string result = ReserveBytes(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (BeginsTwoByteCharacter(byte)) {
      result.append(bytes.substr(i, 2));
      ++i;
    } else {
      result.push_back(static_cast<char>(map(byte)));
    }
  }
  return Text(result);
}

// Lead bytes of code page 936, for TextCompare's notion of a character.
constexpr bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

template <typename Piece>
std::string JoinViews(std::initializer_list<Piece> pieces) {
  std::uint64_t total = 0;
  for (const Piece& piece : pieces) total += piece.Size();
  std::string joined = ReserveBytes(total);
  for (const Piece& piece : pieces) joined.append(piece.View());
  return joined;
}

}  // namespace

std::int64_t TextLength(const Text& t) {
  return static_cast<std::int64_t>(t.Size());
}
std::int64_t BytesLength(const Bytes& b) {
  return static_cast<std::int64_t>(b.Size());
}

Text TextLeft(const Text& t, std::int64_t n) {
  return Text(LeftOf(t.View(), n));
}

Text TextRight(const Text& t, std::int64_t n) {
  const std::uint64_t count = std::min(CountOrZero(n), LengthOf(t.View()));
  return Text(t.View().substr(t.Size() - static_cast<std::size_t>(count)));
}

Text TextMid(const Text& t, std::int64_t start, std::int64_t n) {
  const std::int64_t length = TextLength(t);
  if (start < 1 || start > length || n <= 0) return {};
  const std::int64_t count = std::min(n, length - start + 1);
  return Text(
      t.View().substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

Text TextRemoveRange(const Text& t, std::int64_t start, std::int64_t n) {
  const std::int64_t length = TextLength(t);
  // start - 1 without overflow at INT64_MIN, then clamped into 0..length.
  const std::int64_t kept_before = start < 1 ? 0 : std::min(start - 1, length);
  const std::int64_t removed = n > 0 ? std::min(n, length - kept_before) : 0;
  const std::string_view bytes = t.View();
  std::string rest = ReserveBytes(static_cast<std::uint64_t>(length - removed));
  rest.append(bytes.substr(0, static_cast<std::size_t>(kept_before)));
  rest.append(bytes.substr(static_cast<std::size_t>(kept_before + removed)));
  return Text(rest);
}

Text TextUpper(const Text& t) {
  return MapSingleByteCharacters(t.View(), [](unsigned char byte) {
    return text_chars::IsAsciiLower(byte) ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
  });
}

Text TextLower(const Text& t) {
  return MapSingleByteCharacters(t.View(),
                                 [](unsigned char byte) { return text_chars::AsciiFolded(byte); });
}

Text TextSpaces(std::int64_t n) {
  const std::uint64_t count = CountOrZero(n);
  std::string spaces = ReserveBytes(count);
  spaces.append(static_cast<std::size_t>(count), ' ');
  return Text(spaces);
}

int TextCompare(const Text& a, const Text& b, bool case_sensitive) {
  const std::string_view x = a.View();
  const std::string_view y = b.View();
  std::size_t i = 0;
  while (i < x.size() && i < y.size()) {
    const auto cx = static_cast<unsigned char>(x[i]);
    const auto cy = static_cast<unsigned char>(y[i]);
    // Both sides are at the same offset and equal so far, so they agree on character starts; a
    // two-byte character is compared byte for byte, a single byte folds ASCII case on request.
    const bool two_byte = IsGbkLeadByte(cx) && i + 1 < x.size();
    const unsigned char fx = case_sensitive || two_byte ? cx : text_chars::AsciiFolded(cx);
    const unsigned char fy = case_sensitive || two_byte ? cy : text_chars::AsciiFolded(cy);
    if (fx != fy) return fx < fy ? -1 : 1;
    if (two_byte) {
      if (i + 1 >= y.size()) return 1;  // b ends inside the character
      const auto tx = static_cast<unsigned char>(x[i + 1]);
      const auto ty = static_cast<unsigned char>(y[i + 1]);
      if (tx != ty) return tx < ty ? -1 : 1;
      i += 2;
    } else {
      i += 1;
    }
  }
  if (x.size() == y.size()) return 0;
  return x.size() < y.size() ? -1 : 1;
}

bool TextEquals(const Text& a, const Text& b) {
  return a.View() == b.View();
}

Text TextJoin(std::initializer_list<Text> pieces) {
  return Text(JoinViews(pieces));
}

Text TextFromInt(std::int32_t v) {
  char digits[16];
  const auto result = std::to_chars(std::begin(digits), std::end(digits), v);
  return Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

Text TextFromBytes(const Bytes& b) {
  return Text(b.View());
}  // Text stops at the first zero

Bytes BytesLeft(const Bytes& b, std::int64_t n) {
  return Bytes(LeftOf(b.View(), n));
}

Bytes BytesZeroed(std::int64_t n) {
  const std::uint64_t count = CountOrZero(n);
  std::string zeros = ReserveBytes(count);
  zeros.append(static_cast<std::size_t>(count), '\0');
  return Bytes(zeros);
}

Bytes BytesJoin(std::initializer_list<Bytes> pieces) {
  return Bytes(JoinViews(pieces));
}

}  // namespace vq
