#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "platform/fatal.h"

namespace vq {
namespace {
std::atomic<FatalBoxPresenter> g_presenter{nullptr};
}  // namespace

void SetFatalBoxPresenter(FatalBoxPresenter presenter) {
  g_presenter = presenter;
}

void FatalError(std::string_view gbk_cause) {
  // Standard error gets the bytes as they are; a terminal reading GBK or a log keeps them.
  const char prefix[] = "fatal: ";
  [[maybe_unused]] auto a = write(STDERR_FILENO, prefix, sizeof prefix - 1);
  [[maybe_unused]] auto b = write(STDERR_FILENO, gbk_cause.data(), gbk_cause.size());
  [[maybe_unused]] auto c = write(STDERR_FILENO, "\n", 1);
  if (FatalBoxPresenter presenter = g_presenter.load()) presenter(gbk_cause);
  std::_Exit(-1);
}

}  // namespace vq
