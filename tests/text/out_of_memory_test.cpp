// Running out of memory while building a value is the fatal error: its message names the byte
// count and the process ends with exit code -1 (255 as a POSIX exit status).
#include <cstdint>

#include <gtest/gtest.h>

#include "text/text_ops.h"

// The address sanitizer's operator new ends the process itself when its allocator fails (it
// cannot throw std::bad_alloc, whatever allocator_may_return_null says), so there a refused
// allocation never reaches the program's own handling.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFailedNewAborts = true;
#else
constexpr bool kFailedNewAborts = false;
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
  if (kFailedNewAborts) GTEST_SKIP() << "the address sanitizer aborts on a failed new";
  // 1 PiB: within what a string may hold, beyond what the address space can give.
  constexpr std::int64_t kOnePebibyte = std::int64_t{1} << 50;
  EXPECT_EXIT(static_cast<void>(BytesZeroed(kOnePebibyte)), EndedWithMinusOne,
              "1125899906842624 bytes");
}

}  // namespace
}  // namespace vq
