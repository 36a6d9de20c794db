// The built program file: its icon resource, and no application manifest (the classic look).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// The program's path as Wine sees it: the build's Unix path on drive Z:.
std::wstring ProgramPath() {
  std::wstring path = L"Z:";
  for (const char* p = VQ_PROGRAM_PATH; *p != '\0'; ++p) {
    path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  }
  return path;
}

struct ModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Module = std::unique_ptr<HINSTANCE__, ModuleDeleter>;

Module LoadProgram() {
  return Module(LoadLibraryExW(ProgramPath().c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR types) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(types)->push_back(reinterpret_cast<ULONG_PTR>(type));
  return TRUE;
}

#pragma pack(push, 2)
struct IconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconEntry entries[1];
};
#pragma pack(pop)

TEST(Program, CarriesNoApplicationManifest) {
  const Module program = LoadProgram();
  ASSERT_NE(program, nullptr);
  std::vector<ULONG_PTR> types;
  EnumResourceTypesW(program.get(), CollectType, reinterpret_cast<LONG_PTR>(&types));
  EXPECT_FALSE(types.empty());
  for (ULONG_PTR type : types) {
    EXPECT_NE(type, reinterpret_cast<ULONG_PTR>(RT_MANIFEST));
  }
}

TEST(Program, ItsIconHasFiveImagesIn32BitColour) {
  const Module program = LoadProgram();
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceW(program.get(), L"DEFAULT_ICON", RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  const auto* group =
      static_cast<const IconGroup*>(LockResource(LoadResource(program.get(), found)));
  ASSERT_EQ(group->count, 5);
  std::vector<int> sizes;
  for (int i = 0; i < group->count; ++i) {
    sizes.push_back(group->entries[i].width == 0 ? 256 : group->entries[i].width);
    EXPECT_EQ(group->entries[i].bit_count, 32);
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64, 128}));
}

}  // namespace
