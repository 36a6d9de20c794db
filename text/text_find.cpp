// Searching forward in a text, character by character from the start offset.
#include <string_view>

#include "text/text_chars.h"
#include "text/text_ops.h"

namespace vq {
namespace {

using text_chars::BeginsTwoByteCharacter;

constexpr std::int64_t kNotFound = -1;
constexpr std::size_t kNoOffset = std::string_view::npos;

bool EqualFoldingAsciiCase(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (text_chars::AsciiFolded(static_cast<unsigned char>(a[i])) !=
        text_chars::AsciiFolded(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Exact search: the standard library finds candidate offsets fast, and a candidate counts only
// when a character begins there. The byte after one without its top bit always ends a character,
// so only the run of top-bit bytes right before the candidate decides, back to the last offset
// known to begin a character. Every byte is looked at backwards at most once: linear.
std::size_t FindExact(std::string_view t, std::string_view sought, std::size_t from) {
  std::size_t known_start = from;  // the byte at the start offset begins a character
  for (std::size_t candidate = t.find(sought, from); candidate != kNoOffset;
       candidate = t.find(sought, candidate + 1)) {
    std::size_t run_start = candidate;
    while (run_start > known_start &&
           BeginsTwoByteCharacter(static_cast<unsigned char>(t[run_start - 1]))) {
      --run_start;
    }
    if ((candidate - run_start) % 2 == 0) return candidate;
    known_start = candidate + 1;  // the candidate was a second byte; the next byte begins one
  }
  return kNoOffset;
}

// Search folding ASCII letters, every compared byte included: walk the characters one by one.
std::size_t FindFoldingCase(std::string_view t, std::string_view sought, std::size_t from) {
  for (std::size_t q = from; q <= t.size() && t.size() - q >= sought.size();
       q += BeginsTwoByteCharacter(static_cast<unsigned char>(t[q])) ? 2 : 1) {
    if (EqualFoldingAsciiCase(t.substr(q, sought.size()), sought)) return q;
  }
  return kNoOffset;
}

std::int64_t FindFromOffset(const Text& t, const Text& sought, std::int64_t offset,
                            bool ignore_case) {
  if (offset >= TextLength(t)) return kNotFound;  // the searched region is empty
  if (sought.Empty()) return 1;                   // 1 whatever the start, as the callers expect
  const auto from = static_cast<std::size_t>(offset);
  const std::size_t found = ignore_case ? FindFoldingCase(t.View(), sought.View(), from)
                                        : FindExact(t.View(), sought.View(), from);
  return found == kNoOffset ? kNotFound : static_cast<std::int64_t>(found) + 1;
}

}  // namespace

std::int64_t TextFind(const Text& t, const Text& sought, bool ignore_case) {
  return FindFromOffset(t, sought, 0, ignore_case);
}

std::int64_t TextFind(const Text& t, const Text& sought, std::int64_t start, bool ignore_case) {
  return FindFromOffset(t, sought, start < 1 ? 0 : start - 1, ignore_case);
}

Text TextBetween(const Text& t, const Text& start_marker, const Text& end_marker) {
  const std::int64_t a = TextFind(t, start_marker);
  if (a == kNotFound) return {};
  // The end marker is sought in the whole text, not after the start marker.
  const std::int64_t b = TextFind(t, end_marker);
  if (b == kNotFound) return {};
  const std::int64_t after_start = a + TextLength(start_marker);
  return TextMid(t, after_start, b - after_start);
}

}  // namespace vq
