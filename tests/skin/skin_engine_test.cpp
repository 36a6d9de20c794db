// The real engine's entry point on every kind of bad input: it never crashes and attaches
// nothing it cannot read. (No application object and no window exist in this test.)
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "skin/engine/skin_reader.h"
#include "skin/skin_setup.h"
#include "tests/skin/engine_loader.h"

namespace vq {
namespace {

int Attach(const std::string& bytes) {
  return test::RealEngine()(reinterpret_cast<const unsigned char*>(bytes.data()),
                            static_cast<int>(bytes.size()), "", 0, 0, 0);
}

bool Readable(const std::string& bytes) {
  return skin::ReadSkin(reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<std::int64_t>(bytes.size()))
      .has_value();
}

TEST(SkinEngine, IsBoundByItsExportedName) {
  ASSERT_NE(test::RealEngine(), nullptr);
}

TEST(SkinEngine, NullAndNonPositiveLengthsAttachNothing) {
  ASSERT_NE(test::RealEngine(), nullptr);
  const std::string skin(StoredSkin(kAppliedSkin).View());
  const auto* data = reinterpret_cast<const unsigned char*>(skin.data());
  EXPECT_EQ(test::RealEngine()(nullptr, 0, "", 0, 0, 0), 0);
  EXPECT_EQ(test::RealEngine()(nullptr, 20275, "", 0, 0, 0), 0);
  EXPECT_EQ(test::RealEngine()(data, 0, "", 0, 0, 0), 0);
  EXPECT_EQ(test::RealEngine()(data, -1, "", 0, 0, 0), 0);
  EXPECT_EQ(test::RealEngine()(data, INT_MIN, nullptr, 1, 2, 3), 0);
}

TEST(SkinEngine, SurvivesEveryTruncationOfARealSkin) {
  ASSERT_NE(test::RealEngine(), nullptr);
  const std::string whole(StoredSkin(kAppliedSkin).View());
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    const std::string prefix = whole.substr(0, length);  // exactly that long, for the sanitizer
    const int attached = Attach(prefix);
    if (!Readable(prefix)) {
      EXPECT_EQ(attached, 0) << "length " << length;
    }
  }
}

TEST(SkinEngine, SurvivesRandomBytes) {
  ASSERT_NE(test::RealEngine(), nullptr);
  std::mt19937 random(33);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> size(0, 400);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(static_cast<std::size_t>(size(random)), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    if (round % 3 == 0) bytes.insert(0, ".SHE 1\n");
    if (round % 3 == 1) bytes.insert(0, ".SHE");
    const int attached = Attach(bytes);
    if (!Readable(bytes)) {
      EXPECT_EQ(attached, 0);
    }
  }
}

}  // namespace
}  // namespace vq
