// The operations of the text toolkit. Pure functions of their arguments; safe on any thread.
//
// Positions count bytes from 1; a search that finds nothing gives -1. Out-of-range positions and
// counts are clamped, never rejected. The operations that walk characters (TextFind, TextUpper,
// TextLower, the narrowing of TextToNumber) take a byte with its top bit set, with the byte after
// it, as one two-byte character; the others work on plain bytes.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text/text.h"

namespace vq {

[[nodiscard]] std::int64_t TextLength(const Text& t);
[[nodiscard]] std::int64_t BytesLength(const Bytes& b);

[[nodiscard]] Text TextLeft(const Text& t, std::int64_t n);
[[nodiscard]] Text TextRight(const Text& t, std::int64_t n);
[[nodiscard]] Text TextMid(const Text& t, std::int64_t start, std::int64_t n);
[[nodiscard]] Text TextRemoveRange(const Text& t, std::int64_t start, std::int64_t n);

// Search forward from the first byte (no start given) or from byte position `start`.
[[nodiscard]] std::int64_t TextFind(const Text& t, const Text& sought, bool ignore_case = false);
[[nodiscard]] std::int64_t TextFind(const Text& t, const Text& sought, std::int64_t start,
                                    bool ignore_case = false);
// A plain int start (a literal such as 8) would otherwise be as good a match for the flag.
[[nodiscard]] inline std::int64_t TextFind(const Text& t, const Text& sought, int start,
                                           bool ignore_case = false) {
  return TextFind(t, sought, std::int64_t{start}, ignore_case);
}

[[nodiscard]] Text TextUpper(const Text& t);
[[nodiscard]] Text TextLower(const Text& t);
[[nodiscard]] double TextToNumber(const Text& t);

[[nodiscard]] Text TextSpaces(std::int64_t n);
[[nodiscard]] int TextCompare(const Text& a, const Text& b, bool case_sensitive);
[[nodiscard]] bool TextEquals(const Text& a, const Text& b);

[[nodiscard]] Text TextJoin(std::initializer_list<Text> pieces);
[[nodiscard]] Text TextFromInt(std::int32_t v);
[[nodiscard]] Text TextFromBytes(const Bytes& b);

[[nodiscard]] Bytes BytesLeft(const Bytes& b, std::int64_t n);
[[nodiscard]] Bytes BytesZeroed(std::int64_t n);
[[nodiscard]] Bytes BytesJoin(std::initializer_list<Bytes> pieces);

// Truncation toward zero; outside the 64-bit range, and for not-a-number, INT64_MIN.
[[nodiscard]] std::int64_t RealToInt(double r);

[[nodiscard]] Text TextBetween(const Text& t, const Text& start_marker, const Text& end_marker);

}  // namespace vq
