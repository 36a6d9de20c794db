// Running out of memory while building a value is the fatal error: its message names the byte
// count and the process ends with exit code -1 (255 as a POSIX exit status).
#include <cstdint>

#include <gtest/gtest.h>

#include "text/text_ops.h"

// Under the address sanitizer a request larger than its allocator serves aborts the process
// instead of failing; let it fail as the system allocator would, so the program's own handling
// is what runs.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1";
}
#endif

namespace vq {
namespace {

bool EndedWithMinusOne(int status) {
  return testing::ExitedWithCode(255)(status) || testing::ExitedWithCode(-1)(status);
}

class OutOfMemory : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(OutOfMemory, ASizeBeyondAnyStringIsFatalAndNamed) {
  EXPECT_EXIT(static_cast<void>(TextSpaces(INT64_MAX)), EndedWithMinusOne,
              "9223372036854775807 bytes");
}

TEST_F(OutOfMemory, AnAllocationTheSystemRefusesIsFatalAndNamed) {
  // 1 PiB: within what a string may hold, beyond what the address space can give.
  constexpr std::int64_t kOnePebibyte = std::int64_t{1} << 50;
  EXPECT_EXIT(static_cast<void>(BytesZeroed(kOnePebibyte)), EndedWithMinusOne,
              "1125899906842624 bytes");
}

}  // namespace
}  // namespace vq
