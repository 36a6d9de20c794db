// Whether the Windows test programs run under Wine rather than Windows.
#pragma once

namespace vq::test {

// Wine reports the archive bit on every file it stores on a Unix file system, whatever was set;
// the attribute tests allow for that there and nowhere else.
[[nodiscard]] bool RunningUnderWine();

}  // namespace vq::test
