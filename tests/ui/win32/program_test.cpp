// The built program file: its icon resource, and no application manifest (the classic look).
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/win32/loopback_server.h"

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

// The running program, ended at the latest when the test ends.
class RunningProgram {
 public:
  RunningProgram() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_)) {
      CloseHandle(process_.hThread);
    }
  }
  ~RunningProgram() {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hProcess);
  }
  [[nodiscard]] bool Started() const { return process_.hProcess != nullptr; }

  // The program's main window, once it has appeared (the first start of a prefix is slow).
  [[nodiscard]] HWND Window() const {
    for (int attempt = 0; attempt < 600; ++attempt) {
      HWND window = FindWindowW(L"VqMainWindow", nullptr);
      DWORD owner = 0;
      if (window != nullptr && IsWindowVisible(window)) {
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_.dwProcessId) return window;
      }
      Sleep(50);
    }
    return nullptr;
  }

  // The exit code once the process has ended within `ms`; STILL_ACTIVE otherwise.
  [[nodiscard]] DWORD ExitCodeWithin(DWORD ms) const {
    WaitForSingleObject(process_.hProcess, ms);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
};

void PressEscape(HWND window) {
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
  PostMessageW(window, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(1 | (3u << 30)));
}

TEST(Program, EscEndsTheProgramWithExitCodeZero) {
  RunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND window = program.Window();
  ASSERT_NE(window, nullptr);
  PressEscape(window);
  EXPECT_EQ(program.ExitCodeWithin(10000), 0u);
}

TEST(Program, EndsAtOnceWhileAQueryStillWaitsForItsAnswer) {
  // The program posts to the stand-in service's address, which must be free for this test.
  vq::test::LoopbackServer service(18080);
  if (!service.Listening()) GTEST_SKIP() << "127.0.0.1:18080 is in use";
  auto never = std::make_shared<vq::test::Gate>();
  service.Answer("", {"<html>您查询的 共有 <font color='red'><font color=red>1</font></font> "
                      "条违章！</div>",
                      never, nullptr});
  RunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND window = program.Window();
  ASSERT_NE(window, nullptr);
  HWND button = FindWindowExW(window, nullptr, L"Button", nullptr);
  ASSERT_NE(button, nullptr);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  for (int attempt = 0; attempt < 200 && service.ReceivedCount() == 0; ++attempt) Sleep(50);
  ASSERT_EQ(service.ReceivedCount(), 1);

  PressEscape(window);
  EXPECT_EQ(program.ExitCodeWithin(5000), 0u);  // the answer is still held back
  never->Open();
}

}  // namespace
