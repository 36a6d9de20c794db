// The real program on the X display, driven by real key presses, against the stand-in service on
// the address compiled into the program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "tests/e2e/child_process.h"

namespace vq::testing {
namespace {

using namespace std::chrono_literals;

// Polls `done` every 50 ms for up to `limit`; whether it came true.
template <typename Done>
bool PollUntil(Done done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

class RealProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display (DISPLAY is empty)";
    char pattern[] = "/tmp/vq-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    program_.reset();
    service_.reset();
    if (!dir_.empty()) (void)std::system(("rm -rf " + dir_).c_str());
  }

  void StartService(const std::string& extra = {}) {
    std::vector<std::string> argv = {VQ_QUERY_SERVICE, "--listen", "127.0.0.1:18080", "--log",
                                     dir_ + "/requests.log"};
    if (!extra.empty()) {
      argv.push_back("--delay-ms");
      argv.push_back(extra);
    }
    service_ = std::make_unique<ChildProcess>(argv, dir_ + "/service.out");
    ASSERT_TRUE(PollUntil(
        [&] {
          return FileContent(dir_ + "/service.out").find("listening on") != std::string::npos;
        },
        10s))
        << "the service did not start (is 127.0.0.1:18080 taken?): "
        << FileContent(dir_ + "/service.out");
  }

  // Starts the program and gives its window the keyboard focus.
  void StartProgram() {
    program_ =
        std::make_unique<ChildProcess>(std::vector<std::string>{VQ_PROGRAM}, dir_ + "/program.out");
    window_ =
        Trimmed(CommandOutput("timeout 20 xdotool search --sync --onlyvisible --name "
                              "'Quorvane' 2>/dev/null | head -n 1"));
    ASSERT_FALSE(window_.empty()) << "the window did not appear: "
                                  << FileContent(dir_ + "/program.out");
    (void)CommandOutput("xdotool windowfocus --sync " + window_);
  }

  static void Keys(const std::string& keys) {
    (void)CommandOutput("xdotool key --delay 60 " + keys);
  }

  [[nodiscard]] std::string Requests() const { return FileContent(dir_ + "/requests.log"); }

  // From the query button: Tab to the province box, Down to 京, Tab to the plate box, type,
  // Shift+Tab twice back to the button, space.
  static void QueryFromTheKeyboard(const std::string& plate) {
    Keys("Tab Down Tab");
    (void)CommandOutput("xdotool type --delay 60 " + plate);
    Keys("shift+Tab shift+Tab space");
  }

  std::string dir_;
  std::unique_ptr<ChildProcess> service_;
  std::unique_ptr<ChildProcess> program_;
  std::string window_;
};

TEST_F(RealProgram, AQueryTypedOnTheKeyboardReachesTheService) {
  StartService();
  StartProgram();
  QueryFromTheKeyboard("A12345");
  ASSERT_TRUE(PollUntil(
      [&] { return Requests().find("provice=%BE%A9&txtVehicleNo=A12345&") != std::string::npos; },
      15s))
      << Requests();
  EXPECT_NE(Requests().find("POST /android_3.7.php lei=%D0%A1%D0%CD%C6%FB%B3%B5&provice="),
            std::string::npos);
  Keys("Escape");
  EXPECT_EQ(program_->WaitForExit(10s), 0);
}

TEST_F(RealProgram, EscEndsTheProgramWithZeroWhileAQueryWaits) {
  StartService("60000");  // the answer would take a minute
  StartProgram();
  QueryFromTheKeyboard("A12345");
  ASSERT_TRUE(PollUntil([&] { return Requests().find("A12345") != std::string::npos; }, 15s));
  Keys("Escape");
  // Ends without waiting for the answer.
  EXPECT_EQ(program_->WaitForExit(20s), 0);
}

TEST_F(RealProgram, TheRateLimitBoxAppearsAndDoesNotKeepTheProgramRunning) {
  StartService();
  StartProgram();
  QueryFromTheKeyboard("RATE00");
  const bool box = PollUntil(
      [] {
        return !Trimmed(CommandOutput("xdotool search --onlyvisible --name '^提示$' 2>/dev/null"))
                    .empty();
      },
      15s);
  EXPECT_TRUE(box) << Requests();
  (void)CommandOutput("xdotool windowfocus --sync " + window_);
  Keys("Escape");
  EXPECT_EQ(program_->WaitForExit(20s), 0);
}

}  // namespace
}  // namespace vq::testing
