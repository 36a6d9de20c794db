// Running a program as a child process in a directory of its own, for tests of start-up.
#pragma once

#include <string>
#include <vector>

namespace vq::test {

struct ChildRun {
  std::string program;                   // full path
  std::vector<std::string> arguments;    // after the program's name
  std::string directory;                 // the child's current directory
  std::vector<std::string> environment;  // NAME=value entries added to the test's own
  bool unprivileged = false;             // Linux as root: run as nobody, so permissions hold
  long file_size_limit = 0;              // bytes a file of the child may grow to; 0: no limit
};

struct ChildOutcome {
  bool started = false;
  bool finished = false;      // false: it did not end in time and was killed
  int exit_code = 0;          // -1 stands for the fatal error's exit code on every platform
  std::string fatal_message;  // GBK: what the fatal error box (or standard error) said
};

// Runs the child to its end (at most `seconds`). A fatal error box that the child shows is read
// and answered, so the child can end: on Windows the box itself, on Linux under X with xdotool
// (its standard error carries the message first). Blocks; the test's thread.
ChildOutcome RunChild(const ChildRun& run, int seconds = 60);

// Whether ChildRun::file_size_limit is carried out on this platform.
bool CanLimitFileSize();

// Whether a fatal error box of a windowed child can be seen and answered here.
bool CanAnswerErrorBoxes();

}  // namespace vq::test
