#include <windows.h>

#include <memory>
#include <string>

#include "tests/skin/child_process.h"

namespace vq::test {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct BoxSearch {
  DWORD process_id;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<BoxSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  if (owner == search->process_id && std::wstring(class_name) == L"#32770" &&
      IsWindowVisible(window)) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

// The message of a message box is its static control 0xFFFF; read as GBK.
std::string BoxMessage(HWND box) {
  wchar_t wide[1024] = {};
  GetDlgItemTextW(box, 0xFFFF, wide, 1024);
  char narrow[2048] = {};
  WideCharToMultiByte(936, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

std::string CommandLine(const ChildRun& run) {
  std::string line = "\"" + run.program + "\"";
  for (const std::string& argument : run.arguments) line += " \"" + argument + "\"";
  return line;
}

}  // namespace

// No file size limit can be laid on a child process here.
bool CanLimitFileSize() {
  return false;
}

bool CanAnswerErrorBoxes() {
  return true;
}

ChildOutcome RunChild(const ChildRun& run, int seconds) {
  ChildOutcome outcome;
  for (const std::string& entry : run.environment) {
    const std::size_t equals = entry.find('=');
    SetEnvironmentVariableA(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str());
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = CommandLine(run);
  if (!CreateProcessA(run.program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      run.directory.c_str(), &startup, &process)) {
    return outcome;
  }
  outcome.started = true;
  const UniqueHandle process_handle(process.hProcess);
  const UniqueHandle thread_handle(process.hThread);
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
    BoxSearch search{process.dwProcessId, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr) {
      outcome.fatal_message = BoxMessage(search.box);
      PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    }
    if (GetTickCount64() > deadline) {
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, INFINITE);
      return outcome;
    }
  }
  outcome.finished = true;
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  outcome.exit_code = static_cast<int>(code);
  return outcome;
}

}  // namespace vq::test
