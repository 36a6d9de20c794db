#include "text/text.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "platform/fatal.h"
#include "text/text_storage.h"

namespace vq {
namespace text_storage {

std::string ReserveBytes(std::uint64_t byte_count) {
  // The byte count named in the fatal message saturates where size_t is narrower (32-bit builds).
  const std::size_t named = byte_count > std::numeric_limits<std::size_t>::max()
                                ? std::numeric_limits<std::size_t>::max()
                                : static_cast<std::size_t>(byte_count);
  std::string bytes;
  if (byte_count > bytes.max_size()) FatalOutOfMemory(named);
  try {
    bytes.reserve(static_cast<std::size_t>(byte_count));
  } catch (const std::bad_alloc&) {
    FatalOutOfMemory(named);
  } catch (const std::length_error&) {
    FatalOutOfMemory(named);
  }
  return bytes;
}

}  // namespace text_storage

namespace {

std::string CopyBytes(std::string_view bytes) {
  std::string copy = text_storage::ReserveBytes(bytes.size());
  copy.append(bytes);
  return copy;
}

std::string_view BeforeFirstZero(std::string_view bytes) {
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  if (zero == nullptr) return bytes;
  return bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()));
}

std::uint32_t ReadLittleEndian32(const unsigned char* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

Text::Text(const char* zero_ended)
    : bytes_(zero_ended == nullptr ? std::string() : CopyBytes(std::string_view(zero_ended))) {}

Text::Text(std::string_view bytes) : bytes_(CopyBytes(BeforeFirstZero(bytes))) {}

Text::Text(const Text& other) : bytes_(CopyBytes(other.bytes_)) {}

Text& Text::operator=(const Text& other) {
  if (this != &other) bytes_ = CopyBytes(other.bytes_);
  return *this;
}

Bytes::Bytes(std::string_view bytes) : bytes_(CopyBytes(bytes)) {}

Bytes::Bytes(const Bytes& other) : bytes_(CopyBytes(other.bytes_)) {}

Bytes& Bytes::operator=(const Bytes& other) {
  if (this != &other) bytes_ = CopyBytes(other.bytes_);
  return *this;
}

Bytes BytesFromStored(const unsigned char* stored, std::size_t stored_size) {
  constexpr std::size_t kHeaderSize = 8;
  if (stored == nullptr || stored_size < kHeaderSize) return {};
  if (ReadLittleEndian32(stored) != 1) return {};
  const std::uint32_t count = ReadLittleEndian32(stored + 4);
  if (count > stored_size - kHeaderSize) return {};
  return Bytes(std::string_view(reinterpret_cast<const char*>(stored + kHeaderSize), count));
}

}  // namespace vq
