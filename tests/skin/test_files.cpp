#include "tests/skin/test_files.h"

#include <fstream>
#include <random>
#include <sstream>

#include "platform/files.h"

namespace vq::test {

namespace fs = std::filesystem;

fs::path BuildPath(const std::string& relative) {
  return fs::path(std::string(RunDirectory().View())) / relative;
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void WriteWhole(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

Folder::Folder() {
  std::random_device seed;
  path_ = fs::temp_directory_path() /
          ("vq-skin-" + std::to_string(seed()) + "-" + std::to_string(seed()));
  fs::create_directories(path_);
}

Folder::~Folder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

}  // namespace vq::test
