// The skin setup as the program runs it: a probe program (and, where needed, a stand-in engine
// that records what it receives) is copied into a fresh folder and started there.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "skin/skin_setup.h"
#include "tests/skin/child_process.h"
#include "tests/skin/file_state.h"
#include "tests/skin/test_files.h"

namespace vq {
namespace {

namespace fs = std::filesystem;
using test::BuildPath;
using test::Folder;
using test::ReadWhole;
using test::WriteWhole;

const std::string kEngineName = "SkinH_EL.dll";

const std::string kProbeName = std::string("skin_probe") + VQ_EXECUTABLE_SUFFIX;

// One call as the stand-in engine recorded it.
struct RecordedCall {
  std::uintptr_t skin = 0;
  long long length = 0;
  int text_present = 0;
  int text_first = 0;
  int reserved[3] = {0, 0, 0};
};

std::vector<RecordedCall> RecordedCalls(const Folder& folder) {
  std::istringstream lines(ReadWhole(folder / "attach-calls.txt"));
  std::vector<RecordedCall> calls;
  RecordedCall call;
  while (lines >> call.skin >> call.length >> call.text_present >> call.text_first >>
         call.reserved[0] >> call.reserved[1] >> call.reserved[2]) {
    calls.push_back(call);
  }
  return calls;
}

// Puts the probe into `folder` and starts it there with the skin number.
test::ChildOutcome RunProbe(const Folder& folder, int number) {
  fs::copy_file(BuildPath(kProbeName), folder / kProbeName);
  test::ChildRun run;
  run.program = (folder / kProbeName).string();
  run.arguments = {std::to_string(number)};
  run.directory = folder.Path().string();
  return test::RunChild(run);
}

void ExpectFatalNamingEngine(const test::ChildOutcome& outcome) {
  ASSERT_TRUE(outcome.started);
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.exit_code, -1);
  EXPECT_NE(outcome.fatal_message.find("SkinH_EL.dll"), std::string::npos) << outcome.fatal_message;
  EXPECT_NE(outcome.fatal_message.find("SkinH_AttachRes"), std::string::npos)
      << outcome.fatal_message;
}

TEST(ApplySkin, HandsThePrivateCopyOfSkin33WithItsLengthAnEmptyTextAndZeros) {
  Folder folder;
  fs::copy_file(BuildPath("recording/" + kEngineName), folder / kEngineName);
  const test::ChildOutcome outcome = RunProbe(folder, kAppliedSkin);
  ASSERT_TRUE(outcome.finished);
  ASSERT_EQ(outcome.exit_code, 0) << outcome.fatal_message;

  const std::vector<RecordedCall> calls = RecordedCalls(folder);
  ASSERT_EQ(calls.size(), 1u);
  const Bytes skin = StoredSkin(kAppliedSkin);
  ASSERT_FALSE(skin.Empty());
  EXPECT_EQ(calls[0].length, static_cast<long long>(skin.Size()));
  EXPECT_EQ(ReadWhole(folder / "attach-bytes.bin"), std::string(skin.View()));
  EXPECT_EQ(calls[0].text_present, 1);
  EXPECT_EQ(calls[0].text_first, 0);
  EXPECT_EQ(calls[0].reserved[0], 0);
  EXPECT_EQ(calls[0].reserved[1], 0);
  EXPECT_EQ(calls[0].reserved[2], 0);

  // Not the stored block itself: a copy somewhere else.
  std::uintptr_t stored_begin = 0;
  std::uintptr_t stored_end = 0;
  std::istringstream(ReadWhole(folder / "probe-stored.txt")) >> stored_begin >> stored_end;
  ASSERT_NE(stored_begin, 0u);
  EXPECT_NE(calls[0].skin, 0u);
  EXPECT_TRUE(calls[0].skin < stored_begin || calls[0].skin >= stored_end)
      << "the engine got an address inside the stored skin";
}

class ApplySkinWithoutSkin : public testing::TestWithParam<int> {};

TEST_P(ApplySkinWithoutSkin, StillBindsAndCallsWithNullAndZero) {
  Folder folder;
  fs::copy_file(BuildPath("recording/" + kEngineName), folder / kEngineName);
  const test::ChildOutcome outcome = RunProbe(folder, GetParam());
  ASSERT_TRUE(outcome.finished);
  ASSERT_EQ(outcome.exit_code, 0) << outcome.fatal_message;
  const std::vector<RecordedCall> calls = RecordedCalls(folder);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].skin, 0u);
  EXPECT_EQ(calls[0].length, 0);
  EXPECT_EQ(calls[0].text_present, 1);
  EXPECT_EQ(calls[0].text_first, 0);
  EXPECT_EQ(calls[0].reserved[0] | calls[0].reserved[1] | calls[0].reserved[2], 0);
  EXPECT_FALSE(fs::exists(folder / "attach-bytes.bin"));
}

INSTANTIATE_TEST_SUITE_P(NumbersOutside1To33, ApplySkinWithoutSkin, testing::Values(0, 34, -1));

TEST(EnsureSkinEngine, AFreshStartWritesTheStoredImageHiddenAndNothingElse) {
  Folder folder;
  const test::ChildOutcome outcome = RunProbe(folder, kAppliedSkin);
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.exit_code, 0) << outcome.fatal_message;
  const Bytes image = SkinEngineImage();
  ASSERT_GT(image.Size(), 1000u);
  EXPECT_EQ(ReadWhole(folder / kEngineName), std::string(image.View()));
  std::string why;
  EXPECT_TRUE(test::HasWrittenHiddenState((folder / kEngineName).string(), &why)) << why;
}

TEST(EnsureSkinEngine, NeverRewritesAFileAlreadyThere) {
  Folder folder;
  fs::copy_file(BuildPath("recording/" + kEngineName), folder / kEngineName);
  const std::string before = ReadWhole(folder / kEngineName);
  const auto time_before = fs::last_write_time(folder / kEngineName);
  const test::ChildOutcome outcome = RunProbe(folder, kAppliedSkin);
  ASSERT_EQ(outcome.exit_code, 0) << outcome.fatal_message;
  EXPECT_EQ(ReadWhole(folder / kEngineName), before);
  EXPECT_EQ(fs::last_write_time(folder / kEngineName), time_before);
  EXPECT_NE(before, std::string(SkinEngineImage().View()));
  EXPECT_EQ(RecordedCalls(folder).size(), 1u);  // and the one that was there is the one used
}

TEST(EnsureSkinEngine, ADirectoryOfThatNameCountsAsPresentAndEndsInTheFatalError) {
  Folder folder;
  fs::create_directory(folder / kEngineName);
  ExpectFatalNamingEngine(RunProbe(folder, kAppliedSkin));
  EXPECT_TRUE(fs::is_directory(folder / kEngineName));
  EXPECT_TRUE(fs::is_empty(folder / kEngineName));
}

TEST(EnsureSkinEngine, ADamagedFileIsKeptAndEndsInTheFatalError) {
  Folder folder;
  const std::string damaged = "MZ this is no library at all";
  WriteWhole(folder / kEngineName, damaged);
  const test::ChildOutcome outcome = RunProbe(folder, kAppliedSkin);
  ExpectFatalNamingEngine(outcome);
  EXPECT_EQ(ReadWhole(folder / kEngineName), damaged);
}

TEST(EnsureSkinEngine, ALibraryWithoutTheEntryPointEndsInTheFatalError) {
  Folder folder;
  fs::copy_file(BuildPath("exportless/" + kEngineName), folder / kEngineName);
  ExpectFatalNamingEngine(RunProbe(folder, kAppliedSkin));
}

// A write that stops half-way (here: a file size limit) leaves no part of the engine behind, so
// the next start writes it whole instead of failing on the part for good.
TEST(EnsureSkinEngine, AWriteThatFailsHalfWayLeavesNothingAndTheNextStartWritesTheEngine) {
  if (!test::CanLimitFileSize()) GTEST_SKIP() << "no way to make a write fail half-way here";
  Folder folder;
  fs::copy_file(BuildPath(kProbeName), folder / kProbeName);
  test::ChildRun run;
  run.program = (folder / kProbeName).string();
  run.arguments = {std::to_string(kAppliedSkin)};
  run.directory = folder.Path().string();
  run.file_size_limit = 4096;
  ExpectFatalNamingEngine(test::RunChild(run));
  EXPECT_FALSE(fs::exists(folder / kEngineName));

  run.file_size_limit = 0;
  const test::ChildOutcome second = test::RunChild(run);
  EXPECT_EQ(second.exit_code, 0) << second.fatal_message;
  EXPECT_EQ(ReadWhole(folder / kEngineName), std::string(SkinEngineImage().View()));
}

TEST(EnsureSkinEngine, AReadOnlyProgramDirectoryEndsInTheFatalError) {
  Folder folder;
  fs::copy_file(BuildPath(kProbeName), folder / kProbeName);
  if (!test::MakeDirectoryReadOnly(folder.Path().string())) {
    GTEST_SKIP() << "no read-only program directory can be had on this platform";
  }
  test::ChildRun run;
  run.program = (folder / kProbeName).string();
  run.arguments = {std::to_string(kAppliedSkin)};
  run.directory = folder.Path().string();
  run.unprivileged = true;
  ExpectFatalNamingEngine(test::RunChild(run));
  EXPECT_FALSE(fs::exists(folder / kEngineName));
}

#ifdef VQ_PROGRAM_FILE
// The real program, started with a damaged engine next to it and no other engine to be found.
TEST(ProgramStart, WithADamagedEngineEndsInTheFatalError) {
  if (!test::CanAnswerErrorBoxes()) GTEST_SKIP() << "no display to show the error box on";
  Folder folder;
  const std::string name = VQ_PROGRAM_FILE;
  fs::copy_file(BuildPath("program/" + name), folder / name);
  WriteWhole(folder / kEngineName, "MZ damaged");
  test::ChildRun run;
  run.program = (folder / name).string();
  run.directory = folder.Path().string();
  const test::ChildOutcome outcome = test::RunChild(run, 90);
  ExpectFatalNamingEngine(outcome);
  EXPECT_EQ(ReadWhole(folder / kEngineName), "MZ damaged");
}
#endif

}  // namespace
}  // namespace vq
