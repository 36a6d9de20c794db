// Starts as the program does (the current directory becomes the run directory) and applies the
// skin named by its argument; writes where the stored skin lies to "probe-stored.txt" first.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "skin/skin_setup.h"
#include "skin/stored_data.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const auto number = static_cast<std::int32_t>(std::strtol(argv[1], nullptr, 10));
  vq::SetCurrentDirectoryTo(vq::RunDirectory());
  const vq::StoredBlock stored = vq::StoredSkinBlock(number);
  if (std::FILE* report = std::fopen("probe-stored.txt", "w")) {
    const auto begin = reinterpret_cast<std::uintptr_t>(stored.data);
    std::fprintf(report, "%" PRIuPTR " %" PRIuPTR "\n", begin, begin + stored.size);
    std::fclose(report);
  }
  vq::ApplySkin(number);
  return 0;
}
