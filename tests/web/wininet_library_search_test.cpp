// wininet.dll is bound from the system directory only, never from the program's directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "tests/web/recording_server.h"
#include "web/fetch_page.h"

namespace vq {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, length);
}

std::string DirectoryOf(const std::string& path) {
  return path.substr(0, path.rfind('\\'));
}

TEST(WininetBinding, IgnoresAWininetDllNextToTheProgram) {
  const std::string decoy = DirectoryOf(ModulePath(nullptr)) + "\\wininet.dll";
  ASSERT_NE(GetFileAttributesA(decoy.c_str()), INVALID_FILE_ATTRIBUTES) << decoy;
  test::RecordingServer server(test::HttpReply("from the system's wininet"));

  const Text page =
      FetchPage(Text(std::string("http://127.0.0.1:") + std::to_string(server.Port()) + "/"));

  EXPECT_EQ(page.View(), "from the system's wininet");
  EXPECT_EQ(GetModuleHandleA(decoy.c_str()), nullptr);
  const HMODULE bound = GetModuleHandleA("wininet.dll");
  ASSERT_NE(bound, nullptr);
  char system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(Lower(DirectoryOf(ModulePath(bound))), Lower(std::string(system, length)));
}

}  // namespace
}  // namespace vq
