#include "query/form_value.h"

#include <string>

#include "text/text_storage.h"

namespace vq {
namespace {

bool PassesUnencoded(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.' || byte == '*';
}

}  // namespace

Text FormValueEncoded(const Text& value) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  // Each byte becomes at most three.
  std::string encoded = text_storage::ReserveBytes(std::uint64_t{value.Size()} * 3);
  for (std::size_t i = 0; i < value.Size(); ++i) {
    const unsigned char byte = value.At(i);
    if (PassesUnencoded(byte)) {
      encoded.push_back(static_cast<char>(byte));
    } else if (byte == ' ') {
      encoded.push_back('+');
    } else {
      encoded.push_back('%');
      encoded.push_back(kHexDigits[byte >> 4]);
      encoded.push_back(kHexDigits[byte & 0x0F]);
    }
  }
  return Text(encoded);
}

}  // namespace vq
