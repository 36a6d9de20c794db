#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "tests/skin/child_process.h"

namespace vq::test {
namespace {

constexpr char kFatalPrefix[] = "fatal: ";

[[noreturn]] void BecomeChild(const ChildRun& run, int error_pipe) {
  dup2(error_pipe, STDERR_FILENO);
  if (chdir(run.directory.c_str()) != 0) _exit(127);
  for (const std::string& entry : run.environment) putenv(const_cast<char*>(entry.c_str()));
  if (run.file_size_limit > 0) {
    // A write past the limit then fails (EFBIG) instead of ending the process.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(run.file_size_limit),
                       static_cast<rlim_t>(run.file_size_limit)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
  }
  if (run.unprivileged && geteuid() == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(127);
  }
  std::vector<char*> argv{const_cast<char*>(run.program.c_str())};
  for (const std::string& argument : run.arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(run.program.c_str(), argv.data());
  _exit(127);
}

// The Qt program shows its fatal box after writing the message; Return on the box closes it.
void AnswerErrorBox(pid_t pid) {
  if (std::getenv("DISPLAY") == nullptr) return;
  const std::string command = "timeout 5 xdotool search --onlyvisible --pid " +
                              std::to_string(pid) +
                              " windowfocus key --clearmodifiers Return >/dev/null 2>&1";
  [[maybe_unused]] const int ignored = std::system(command.c_str());
}

}  // namespace

bool CanLimitFileSize() {
  return true;
}

bool CanAnswerErrorBoxes() {
  return std::getenv("DISPLAY") != nullptr &&
         std::system("command -v xdotool >/dev/null 2>&1") == 0;
}

ChildOutcome RunChild(const ChildRun& run, int seconds) {
  ChildOutcome outcome;
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return outcome;
  const pid_t pid = fork();
  if (pid == 0) {
    close(pipe_ends[0]);
    BecomeChild(run, pipe_ends[1]);
  }
  close(pipe_ends[1]);
  if (pid < 0) {
    close(pipe_ends[0]);
    return outcome;
  }
  outcome.started = true;
  std::string error_text;
  // <chrono> does not compile with the GBK literals (its micro sign); whole seconds do here.
  const std::time_t deadline = std::time(nullptr) + seconds;
  int status = 0;
  bool open = true;
  while (true) {
    if (open) {
      pollfd watch{pipe_ends[0], POLLIN, 0};
      if (poll(&watch, 1, 200) > 0) {
        char buffer[512];
        const ssize_t got = read(pipe_ends[0], buffer, sizeof buffer);
        if (got > 0) {
          error_text.append(buffer, static_cast<std::size_t>(got));
        } else {
          open = false;
        }
      }
    } else {
      usleep(200 * 1000);
    }
    if (waitpid(pid, &status, WNOHANG) == pid) {
      outcome.finished = true;
      break;
    }
    if (error_text.find(kFatalPrefix) != std::string::npos) AnswerErrorBox(pid);
    if (std::time(nullptr) > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
  }
  close(pipe_ends[0]);
  if (outcome.finished && WIFEXITED(status)) {
    // The exit code is one byte here: 255 is the -1 the program ends with.
    outcome.exit_code = static_cast<signed char>(WEXITSTATUS(status));
  } else if (outcome.finished) {
    outcome.exit_code = 128 + WTERMSIG(status);
  }
  const std::size_t fatal = error_text.find(kFatalPrefix);
  if (fatal != std::string::npos) {
    const std::size_t begin = fatal + sizeof kFatalPrefix - 1;
    outcome.fatal_message = error_text.substr(begin, error_text.find('\n', begin) - begin);
  }
  return outcome;
}

}  // namespace vq::test
