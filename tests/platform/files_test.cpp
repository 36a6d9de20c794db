// The run directory and the file operations, on real files in a folder of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "tests/platform/files_platform.h"

namespace vq {
namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

class FilesTest : public testing::Test {
 protected:
  FilesTest() {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("vq-files-" + std::to_string(seed()));
    fs::create_directories(folder_ / "sub");
    std::ofstream(folder_ / "present.bin", std::ios::binary) << "0123456789";
  }
  ~FilesTest() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  [[nodiscard]] Text PathOf(const std::string& name) const {
    return Text((folder_ / name).string());
  }
  fs::path folder_;
};

TEST(RunDirectory, IsTheDirectoryOfTheRunningProgram) {
  const Text directory = RunDirectory();
  ASSERT_FALSE(directory.Empty());
  EXPECT_NE(directory.View().back(), PathSeparator().View().front());
  const std::string program = std::string(directory.View()) + std::string(PathSeparator().View()) +
                              "platform_files_test" + VQ_EXECUTABLE_SUFFIX;
  EXPECT_TRUE(FileExists(Text(program))) << program;
  EXPECT_EQ(RunDirectory(), directory);  // fixed: the same on every call
}

TEST(PathSeparator, IsThePlatformsOwn) {
  EXPECT_EQ(PathSeparator(), Text(test::kSeparator));
}

struct ExistsCase {
  const char* name;  // below the test's folder; "" asks about the empty path itself
  bool exists;
};

class FileExistsCases : public FilesTest, public testing::WithParamInterface<ExistsCase> {};

TEST_P(FileExistsCases, Answers) {
  const std::string name = GetParam().name;
  const Text path = name.empty() ? Text() : PathOf(name);
  EXPECT_EQ(FileExists(path), GetParam().exists) << name;
}

INSTANTIATE_TEST_SUITE_P(Table, FileExistsCases,
                         testing::Values(ExistsCase{"present.bin", true}, ExistsCase{"sub", true},
                                         ExistsCase{"missing.bin", false},
                                         ExistsCase{"sub/missing.bin", false},
                                         ExistsCase{"missing/present.bin", false},
                                         ExistsCase{"", false}));

TEST_F(FilesTest, WriteAllWritesEachPieceInTurnSkippingEmptyOnes) {
  const Bytes first(std::string_view("ab"));
  const Bytes zeros(std::string_view("c\0d\0", 4));
  EXPECT_TRUE(FileWriteAll(PathOf("new.bin"), {first, Bytes(), zeros}));
  EXPECT_EQ(ReadWhole(folder_ / "new.bin"), std::string("abc\0d\0", 6));
}

TEST_F(FilesTest, WriteAllCutsAnExistingFileToWhatIsWritten) {
  EXPECT_TRUE(FileWriteAll(PathOf("present.bin"), {Bytes(std::string_view("xy"))}));
  EXPECT_EQ(ReadWhole(folder_ / "present.bin"), "xy");
  EXPECT_TRUE(FileWriteAll(PathOf("present.bin"), {}));
  EXPECT_TRUE(fs::exists(folder_ / "present.bin"));
  EXPECT_EQ(fs::file_size(folder_ / "present.bin"), 0u);
}

TEST_F(FilesTest, WriteAllFailsWhereNoFileCanBeMade) {
  EXPECT_FALSE(FileWriteAll(Text(), {Bytes(std::string_view("x"))}));
  EXPECT_FALSE(FileWriteAll(PathOf("missing/new.bin"), {Bytes(std::string_view("x"))}));
  EXPECT_FALSE(FileWriteAll(PathOf("sub"), {Bytes(std::string_view("x"))}));
  EXPECT_TRUE(fs::is_directory(folder_ / "sub"));
}

TEST_F(FilesTest, RemoveRemovesAFileAndNothingElse) {
  EXPECT_TRUE(FileRemove(PathOf("present.bin")));
  EXPECT_FALSE(fs::exists(folder_ / "present.bin"));
  EXPECT_FALSE(FileRemove(PathOf("present.bin")));
  EXPECT_FALSE(FileRemove(PathOf("missing/present.bin")));
  EXPECT_FALSE(FileRemove(Text()));
  EXPECT_FALSE(FileRemove(PathOf("sub")));
  EXPECT_TRUE(fs::is_directory(folder_ / "sub"));
}

TEST_F(FilesTest, SetAttributesFailsWithoutAFile) {
  EXPECT_FALSE(FileSetAttributes(Text(), kFileAttributeHidden));
  EXPECT_FALSE(FileSetAttributes(PathOf("missing.bin"), kFileAttributeHidden));
}

class SetAttributesCases : public FilesTest,
                           public testing::WithParamInterface<test::AttributeCase> {};

TEST_P(SetAttributesCases, LeaveTheFileWithThePlatformsEquivalent) {
  const test::AttributeCase& c = GetParam();
  const Text path = PathOf("present.bin");
  const std::uint32_t before = test::FileState(path);
  EXPECT_TRUE(FileSetAttributes(path, c.given));
  EXPECT_EQ(test::FileState(path), test::ExpectedState(before, c)) << "given " << c.given;
  EXPECT_EQ(ReadWhole(folder_ / "present.bin"), "0123456789");  // the content is untouched
  test::MakeRemovable(path);
}

INSTANTIATE_TEST_SUITE_P(Table, SetAttributesCases, testing::ValuesIn(test::AttributeCases()));

}  // namespace
}  // namespace vq
