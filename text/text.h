// Text and Bytes: the two value types every part of the program is written in.
//
// Text holds GBK (code page 936) bytes and never a zero byte; Bytes holds any bytes. The empty and
// the absent value are one value for both. Both are plain values: copies are independent and every
// operation (text_ops.h) returns a new value. Running out of memory while building one is a fatal
// error that names the byte count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

class Text {
 public:
  Text() = default;
  // The bytes up to the first zero byte (all of them when there is none). Implicit, so that a
  // literal (GBK in the core's sources) reads as a Text wherever one is expected.
  Text(const char* zero_ended);  // NOLINT(google-explicit-constructor)
  Text(std::string_view bytes);  // NOLINT(google-explicit-constructor)
  // Copies take their storage like every other value: running out of memory is the fatal error.
  Text(const Text& other);
  Text& operator=(const Text& other);
  Text(Text&&) noexcept = default;
  Text& operator=(Text&&) noexcept = default;
  ~Text() = default;

  [[nodiscard]] std::string_view View() const { return bytes_; }
  [[nodiscard]] const char* CStr() const { return bytes_.c_str(); }  // zero-ended
  [[nodiscard]] std::size_t Size() const { return bytes_.size(); }
  [[nodiscard]] bool Empty() const { return bytes_.empty(); }
  [[nodiscard]] unsigned char At(std::size_t offset) const {
    return static_cast<unsigned char>(bytes_[offset]);
  }

  friend bool operator==(const Text& a, const Text& b) { return a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;
};

class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(std::string_view bytes);  // every byte, zero bytes included
  Bytes(const Bytes& other);
  Bytes& operator=(const Bytes& other);
  Bytes(Bytes&&) noexcept = default;
  Bytes& operator=(Bytes&&) noexcept = default;
  ~Bytes() = default;

  [[nodiscard]] std::string_view View() const { return bytes_; }
  [[nodiscard]] const unsigned char* Data() const {
    return reinterpret_cast<const unsigned char*>(bytes_.data());
  }
  [[nodiscard]] std::size_t Size() const { return bytes_.size(); }
  [[nodiscard]] bool Empty() const { return bytes_.empty(); }

  friend bool operator==(const Bytes& a, const Bytes& b) { return a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;
};

// A Bytes constant stored in the program: a 32-bit little-endian 1, a 32-bit little-endian byte
// count, then the bytes. Reading one gives its bytes as a Bytes value; a block whose header is not
// of that form gives the empty value.
[[nodiscard]] Bytes BytesFromStored(const unsigned char* stored, std::size_t stored_size);

}  // namespace vq
