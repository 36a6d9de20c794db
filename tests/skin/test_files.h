// Files and folders for the skin tests.
#pragma once

#include <filesystem>
#include <string>

namespace vq::test {

// A path below the directory of the running test program (where the build puts its helpers).
[[nodiscard]] std::filesystem::path BuildPath(const std::string& relative);

[[nodiscard]] std::string ReadWhole(const std::filesystem::path& path);
void WriteWhole(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder of its own under the temporary directory, removed with everything in it.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  [[nodiscard]] std::filesystem::path operator/(const std::string& name) const {
    return path_ / name;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vq::test
