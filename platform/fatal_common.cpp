#include <cstdio>

#include "platform/fatal.h"

namespace vq {

void FatalOutOfMemory(std::size_t byte_count) {
  // No allocation on the way: the message is built in a fixed buffer. "内存不足" in GBK.
  char message[96];
  const int length = std::snprintf(message, sizeof message,
                                   "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3: %zu bytes", byte_count);
  FatalError(std::string_view(message, length > 0 ? static_cast<std::size_t>(length) : 0));
}

}  // namespace vq
