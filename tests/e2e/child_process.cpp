#include "tests/e2e/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

extern char** environ;

namespace vq::testing {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& output_path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (!Running()) return;
  kill(pid_, SIGTERM);
  if (WaitForExit(std::chrono::seconds(1))) return;
  kill(pid_, SIGKILL);
  (void)WaitForExit(std::chrono::seconds(5));
}

bool ChildProcess::Running() {
  return pid_ > 0 && !exit_code_ && !WaitForExit(std::chrono::milliseconds(0));
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (pid_ <= 0 || exit_code_) return exit_code_;
  const auto end = std::chrono::steady_clock::now() + limit;
  while (true) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return exit_code_;
    }
    if (std::chrono::steady_clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string FileContent(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string CommandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string output;
  std::array<char, 256> chunk{};
  while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe.get()) != nullptr) {
    output += chunk.data();
  }
  return output;
}

}  // namespace vq::testing
