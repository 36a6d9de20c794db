// Binding functions of outside libraries by library name and exported name.
#include <gtest/gtest.h>

#include <string>

#include "platform/library.h"
#include "skin/engine/skin_engine_api.h"
#include "tests/platform/library_state.h"

namespace vq {
namespace {

using BoundValue = int(VQ_SKIN_CALL*)(int);

struct BindCase {
  const char* what;
  const char* library;
  const char* function;
  LibrarySearch search;
  bool bound;
};

class BindLibraryFunctionCases : public testing::TestWithParam<BindCase> {};

TEST_P(BindLibraryFunctionCases, BindsOrNot) {
  const BindCase& c = GetParam();
  void* bound = BindLibraryFunction(c.library, c.function, c.search);
  EXPECT_EQ(bound != nullptr, c.bound);
  if (bound != nullptr) {
    EXPECT_EQ(reinterpret_cast<BoundValue>(bound)(42), 4242);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BindLibraryFunctionCases,
    testing::Values(
        // Found only because the run directory is tried first: no system search finds it.
        BindCase{"next_to_the_program", "vq_bind_target.dll", "VqBindTargetValue",
                 LibrarySearch::kRunDirectoryFirst, true},
        BindCase{"a_second_binding_is_the_same", "vq_bind_target.dll", "VqBindTargetValue",
                 LibrarySearch::kRunDirectoryFirst, true},
        BindCase{"missing_export", "vq_bind_target.dll", "NoSuchFunction",
                 LibrarySearch::kRunDirectoryFirst, false},
        BindCase{"missing_library", "vq_no_such_library.dll", "VqBindTargetValue",
                 LibrarySearch::kRunDirectoryFirst, false},
        // (A library of its own, never loaded before: Linux finds a loaded one by its name.)
        BindCase{"system_directory_only_skips_the_program_directory", "vq_bind_other.dll",
                 "VqBindOtherValue", LibrarySearch::kSystemDirectoryOnly, false},
        BindCase{"empty_function_name", "vq_bind_target.dll", "", LibrarySearch::kRunDirectoryFirst,
                 false},
        BindCase{"empty_library_name", "", "VqBindTargetValue", LibrarySearch::kRunDirectoryFirst,
                 false}),
    [](const testing::TestParamInfo<BindCase>& case_info) {
      return std::string(case_info.param.what);
    });

TEST(BindLibraryFunction, ALibraryWithoutTheExportIsReleasedAgain) {
  ASSERT_FALSE(test::IsLibraryLoaded("vq_bind_other.dll"));
  EXPECT_EQ(BindLibraryFunction("vq_bind_other.dll", "VqBindTargetValue",
                                LibrarySearch::kRunDirectoryFirst),
            nullptr);
  EXPECT_FALSE(test::IsLibraryLoaded("vq_bind_other.dll"));
}

TEST(BindLibraryFunction, ABoundLibraryStaysLoaded) {
  ASSERT_NE(BindLibraryFunction("vq_bind_target.dll", "VqBindTargetValue",
                                LibrarySearch::kRunDirectoryFirst),
            nullptr);
  EXPECT_TRUE(test::IsLibraryLoaded("vq_bind_target.dll"));
}

TEST(BindLibraryFunctionOrDie, AFailureIsTheFatalErrorNamingLibraryAndFunction) {
  if (!test::FatalErrorEndsWithoutABox()) GTEST_SKIP() << "the fatal error waits for its box here";
  EXPECT_EXIT(
      {
        [[maybe_unused]] void* never = BindLibraryFunctionOrDie("SkinH_EL.dll", "SkinH_AttachRes",
                                                                LibrarySearch::kRunDirectoryFirst);
      },
      testing::ExitedWithCode(255), "SkinH_EL\\.dll.*SkinH_AttachRes");
}

TEST(BindLibraryFunctionOrDie, ASuccessReturnsTheFunction) {
  void* bound = BindLibraryFunctionOrDie("vq_bind_target.dll", "VqBindTargetValue",
                                         LibrarySearch::kRunDirectoryFirst);
  ASSERT_NE(bound, nullptr);
  EXPECT_EQ(reinterpret_cast<BoundValue>(bound)(0), 4200);
}

}  // namespace
}  // namespace vq
