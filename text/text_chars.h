// The byte classes the text toolkit's sources share. Not for use outside text/.
#pragma once

namespace vq::text_chars {

// The character rule of the walking operations: a byte with its top bit set begins a two-byte
// character together with the byte after it, whatever that byte is.
[[nodiscard]] constexpr bool BeginsTwoByteCharacter(unsigned char byte) {
  return byte >= 0x80;
}

[[nodiscard]] constexpr bool IsAsciiUpper(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z';
}
[[nodiscard]] constexpr bool IsAsciiLower(unsigned char byte) {
  return byte >= 'a' && byte <= 'z';
}
[[nodiscard]] constexpr unsigned char AsciiFolded(unsigned char byte) {
  return IsAsciiUpper(byte) ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

}  // namespace vq::text_chars
