#include "text/gbk_utf8.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>

#include "text/text_storage.h"

namespace vq {
namespace {

struct IconvCloser {
  void operator()(void* descriptor) const { iconv_close(static_cast<iconv_t>(descriptor)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConversion(const char* to, const char* from) {
  iconv_t descriptor = iconv_open(to, from);
  if (descriptor == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return IconvHandle(descriptor);
}

// The bytes of the input sequence that cannot be converted, replaced by one "?" as a unit.
using UnitLength = std::size_t (*)(std::string_view rest);

std::size_t GbkUnitLength(std::string_view rest) {
  // A lead byte takes the next byte with it only when that byte can be a second byte; otherwise
  // the next byte (such as ASCII punctuation) is kept.
  const auto lead = static_cast<unsigned char>(rest[0]);
  if (lead < 0x81 || lead > 0xFE || rest.size() < 2) return 1;
  const auto trail = static_cast<unsigned char>(rest[1]);
  return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

std::size_t Utf8UnitLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = lead <= 0xEF ? 3 : 1;
  } else if (lead >= 0xC2) {
    length = 2;
  }
  // Stop at the first byte that is not a continuation byte: it starts the next unit.
  std::size_t i = 1;
  while (i < length && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) ++i;
  return i;
}

// Converts `input` through iconv, writing "?" for every unit it cannot convert. Without the
// conversion (no CP936 module installed) ASCII passes and every other byte becomes "?".
std::string Convert(std::string_view input, const char* to, const char* from,
                    UnitLength unit_length) {
  std::string output = text_storage::ReserveBytes(input.size() * 3 + 16);
  const IconvHandle conversion = OpenConversion(to, from);
  if (!conversion) {
    for (const char c : input) output.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
    return output;
  }
  auto* descriptor = static_cast<iconv_t>(conversion.get());
  char chunk[4096];
  std::string_view rest = input;
  while (!rest.empty()) {
    char* in = const_cast<char*>(rest.data());  // iconv's interface is not const-correct
    std::size_t in_left = rest.size();
    char* out = chunk;
    std::size_t out_left = sizeof chunk;
    const std::size_t status = iconv(descriptor, &in, &in_left, &out, &out_left);
    const int error = errno;
    output.append(chunk, static_cast<std::size_t>(out - chunk));
    rest.remove_prefix(rest.size() - in_left);
    if (status != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (an invalid or unconvertible sequence) or EINVAL (cut off at the end).
    output.push_back('?');
    rest.remove_prefix(error == EINVAL ? rest.size() : unit_length(rest));
  }
  return output;
}

}  // namespace

std::string GbkToUtf8(const Text& gbk) {
  return Convert(gbk.View(), "UTF-8", "CP936", GbkUnitLength);
}

Text Utf8ToGbk(std::string_view utf8) {
  // Text ends at a zero byte; so does the input.
  const std::string_view before_zero = utf8.substr(0, utf8.find('\0'));
  return Text(Convert(before_zero, "CP936", "UTF-8", Utf8UnitLength));
}

}  // namespace vq
