#include "tests/web/service_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace vq::test {
namespace {

constexpr int kStartWaitMs = 5000;
constexpr int kStopWaitMs = 5000;
constexpr int kStopPollMs = 10;

// The first line the program prints, read for at most `wait_ms`.
std::string FirstLine(int from, int wait_ms) {
  std::string line;
  char c = 0;
  pollfd readable{from, POLLIN, 0};
  while (poll(&readable, 1, wait_ms) > 0 && read(from, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

ServiceProcess::ServiceProcess(const std::string& program,
                               const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {program, "--listen", "127.0.0.1:0"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int output[2];
  if (pipe(output) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    pid_ = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  if (pid_ > 0) {
    // "listening on 127.0.0.1:PORT"
    const std::string line = FirstLine(output[0], kStartWaitMs);
    const std::size_t colon = line.rfind(':');
    if (colon != std::string::npos) {
      port_ = static_cast<std::uint16_t>(std::strtoul(line.c_str() + colon + 1, nullptr, 10));
    }
  }
  close(output[0]);
}

ServiceProcess::~ServiceProcess() {
  if (pid_ > 0) static_cast<void>(Stop());
}

int ServiceProcess::Stop() {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  pid_t ended = 0;
  for (int waited_ms = 0; ended == 0 && waited_ms < kStopWaitMs; waited_ms += kStopPollMs) {
    ended = waitpid(pid_, &status, WNOHANG);
    if (ended == 0) usleep(kStopPollMs * 1000);
  }
  if (ended == 0) {  // it ignored the request to stop
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
  }
  pid_ = -1;
  return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vq::test
