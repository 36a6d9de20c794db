// A program started by a test, with its output in a file, ended with the test (Linux).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vq::testing {

class ChildProcess {
 public:
  // Starts `argv[0]` with the rest as its arguments; standard output and error go to
  // `output_path`. Running() is false when it could not be started. The test's thread.
  ChildProcess(const std::vector<std::string>& argv, const std::string& output_path);
  ~ChildProcess();  // SIGTERM, then SIGKILL after a second, when still running
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  [[nodiscard]] bool Running();
  // Waits up to `limit` for it to end: its exit code, or nothing while it still runs (or ended
  // by a signal, reported as 128 + the signal's number).
  [[nodiscard]] std::optional<int> WaitForExit(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
  std::optional<int> exit_code_;
};

// The whole content of a file; empty when it cannot be read.
[[nodiscard]] std::string FileContent(const std::string& path);

// Runs a shell command and returns its standard output (for xdotool).
[[nodiscard]] std::string CommandOutput(const std::string& command);

}  // namespace vq::testing
