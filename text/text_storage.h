// Storage for code that builds Text and Bytes values byte by byte (the toolkit itself, the form
// encoding of the query). Any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vq::text_storage {

// An empty string, owned by the caller, with room for `byte_count` bytes, so that appending up to
// that many bytes cannot allocate again. Every result value takes its storage from here: a request
// that cannot be met is the fatal out-of-memory error naming the byte count.
[[nodiscard]] std::string ReserveBytes(std::uint64_t byte_count);

// Counts and sizes of callers are 64-bit; a negative one asks for nothing.
[[nodiscard]] inline std::uint64_t CountOrZero(std::int64_t n) {
  return n > 0 ? static_cast<std::uint64_t>(n) : 0;
}

}  // namespace vq::text_storage
