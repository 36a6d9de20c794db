// The skin reader on hand-made skins, on the 33 stored skins, and on broken bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <string>

#include "skin/engine/skin_reader.h"
#include "skin/skin_setup.h"

namespace vq::skin {
namespace {

std::optional<Skin> Read(const std::string& bytes) {
  return ReadSkin(reinterpret_cast<const unsigned char*>(bytes.data()),
                  static_cast<std::int64_t>(bytes.size()));
}

struct RejectCase {
  const char* what;
  std::string bytes;
};

class ReadSkinRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(ReadSkinRejects, TheBytes) {
  EXPECT_FALSE(Read(GetParam().bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    NotSkins, ReadSkinRejects,
    testing::Values(RejectCase{"empty", ""}, RejectCase{"magic alone", ".SHE"},
                    RejectCase{"no version", ".SHE\nname = a\n"},
                    RejectCase{"wrong magic", ".SHF 1\n"},
                    RejectCase{"lower-case magic", ".she 1\n"},
                    RejectCase{"newer version", ".SHE 2\nname = a\n"},
                    RejectCase{"version with junk", ".SHE 1x\n"},
                    RejectCase{"zero byte", std::string(".SHE 1\nname = a\0b\n", 18)},
                    RejectCase{"binary", std::string("MZ\x90\0\x03\0\0\0", 8)}),
    [](const testing::TestParamInfo<RejectCase>& case_info) {
      std::string name;
      for (char c : std::string(case_info.param.what)) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      }
      return name;
    });

TEST(ReadSkin, NullPointerAndNonPositiveLengthsGiveNothing) {
  const std::string skin = ".SHE 1\n";
  const auto* data = reinterpret_cast<const unsigned char*>(skin.data());
  EXPECT_FALSE(ReadSkin(nullptr, 7).has_value());
  EXPECT_FALSE(ReadSkin(nullptr, 0).has_value());
  EXPECT_FALSE(ReadSkin(data, 0).has_value());
  EXPECT_FALSE(ReadSkin(data, -1).has_value());
  EXPECT_FALSE(ReadSkin(data, INT64_MIN).has_value());
  EXPECT_TRUE(ReadSkin(data, 7).has_value());
}

TEST(ReadSkin, AHeaderAloneGivesTheDefaults) {
  const auto skin = Read(".SHE 1");
  ASSERT_TRUE(skin.has_value());
  const Skin defaults;
  EXPECT_EQ(skin->window.top, defaults.window.top);
  EXPECT_EQ(skin->button_text, defaults.button_text);
  EXPECT_EQ(skin->radius, defaults.radius);
  EXPECT_EQ(skin->pattern, Pattern::kNone);
  EXPECT_TRUE(skin->name.empty());
}

TEST(ReadSkin, ReadsEveryKindOfValue) {
  const auto skin = Read(
      ".SHE 1\r\n# a comment\r\nname = Test Skin\r\nwindow = #102030 #405060\n"
      "window.text=#A0b0C0\n  button.text = #01020380  \npattern = dots\npattern.spacing = 12\n"
      "radius = 7\nfont.family = Some Face\nfont.points = 11\nselection = #ffffff\n"
      "unknown.key = whatever\n");
  ASSERT_TRUE(skin.has_value());
  EXPECT_EQ(skin->name, "Test Skin");
  EXPECT_EQ(skin->window.top, (Colour{0x10, 0x20, 0x30, 255}));
  EXPECT_EQ(skin->window.bottom, (Colour{0x40, 0x50, 0x60, 255}));
  EXPECT_EQ(skin->window_text, (Colour{0xA0, 0xB0, 0xC0, 255}));
  EXPECT_EQ(skin->button_text, (Colour{1, 2, 3, 0x80}));
  EXPECT_EQ(skin->pattern, Pattern::kDots);
  EXPECT_EQ(skin->pattern_spacing, 12);
  EXPECT_EQ(skin->radius, 7);
  EXPECT_EQ(skin->font_family, "Some Face");
  EXPECT_EQ(skin->font_points, 11);
  EXPECT_EQ(skin->selection, (Colour{255, 255, 255, 255}));
}

TEST(ReadSkin, APlainColourFillsBothEndsOfAGradient) {
  const auto skin = Read(".SHE 1\nheader = #123456\n");
  ASSERT_TRUE(skin.has_value());
  EXPECT_EQ(skin->header.top, skin->header.bottom);
  EXPECT_EQ(skin->header.top, (Colour{0x12, 0x34, 0x56, 255}));
}

struct BadValueCase {
  const char* line;
};

class ReadSkinKeepsDefault : public testing::TestWithParam<BadValueCase> {};

TEST_P(ReadSkinKeepsDefault, ForAnUnreadableValue) {
  const auto skin = Read(std::string(".SHE 1\n") + GetParam().line + "\n");
  ASSERT_TRUE(skin.has_value());
  const Skin defaults;
  EXPECT_EQ(skin->window.top, defaults.window.top);
  EXPECT_EQ(skin->window.bottom, defaults.window.bottom);
  EXPECT_EQ(skin->radius, defaults.radius);
  EXPECT_EQ(skin->pattern_spacing, defaults.pattern_spacing);
  EXPECT_EQ(skin->font_points, defaults.font_points);
  EXPECT_EQ(skin->name, defaults.name);
  EXPECT_EQ(skin->font_family, defaults.font_family);
  EXPECT_EQ(skin->pattern, defaults.pattern);
}

INSTANTIATE_TEST_SUITE_P(
    BadValues, ReadSkinKeepsDefault,
    testing::Values(BadValueCase{"window = #12345"}, BadValueCase{"window = 123456"},
                    BadValueCase{"window = #12345g"}, BadValueCase{"window = #123456 #zz0000"},
                    BadValueCase{"window = #1234567"}, BadValueCase{"radius = 13"},
                    BadValueCase{"radius = -1"}, BadValueCase{"radius = 3px"},
                    BadValueCase{"radius = 99999999999999999999"},
                    BadValueCase{"pattern.spacing = 1"}, BadValueCase{"font.points = 5"},
                    BadValueCase{"font.points = 25"}, BadValueCase{"pattern = spirals"},
                    BadValueCase{"name = a;b"}, BadValueCase{"font.family = x}{"},
                    BadValueCase{"name = \x80\x81"}, BadValueCase{"window"},
                    BadValueCase{"= #123456"}));

TEST(ReadSkin, AVeryLongLineIsSkippedAndTheRestStillReads) {
  const auto skin = Read(".SHE 1\nname = " + std::string(10000, 'x') + "\nradius = 9\n");
  ASSERT_TRUE(skin.has_value());
  EXPECT_TRUE(skin->name.empty());
  EXPECT_EQ(skin->radius, 9);
}

TEST(StoredSkins, All33ReadWithDistinctNames) {
  std::set<std::string> names;
  for (int number = 1; number <= kSkinCount; ++number) {
    const Bytes stored = StoredSkin(number);
    ASSERT_EQ(stored.View().substr(0, 4), ".SHE") << "skin " << number;
    const auto skin = ReadSkin(stored.Data(), static_cast<std::int64_t>(stored.Size()));
    ASSERT_TRUE(skin.has_value()) << "skin " << number;
    EXPECT_FALSE(skin->name.empty()) << "skin " << number;
    names.insert(skin->name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kSkinCount));
  EXPECT_TRUE(StoredSkin(0).Empty());
  EXPECT_TRUE(StoredSkin(34).Empty());
  EXPECT_TRUE(StoredSkin(-1).Empty());
}

// Chinese glyphs in an 8 or 9 pixel font need a strong contrast to stay legible.
constexpr double kLegibleContrast = 4.5;

TEST(StoredSkins, EveryTextStandsOutFromWhatItIsDrawnOn) {
  for (int number = 1; number <= kSkinCount; ++number) {
    const Bytes stored = StoredSkin(number);
    const auto skin = ReadSkin(stored.Data(), static_cast<std::int64_t>(stored.Size()));
    ASSERT_TRUE(skin.has_value());
    const Skin& s = *skin;
    const struct {
      const char* what;
      Colour text;
      Colour under;
    } pairs[] = {
        {"window text on top", s.window_text, Blend(s.pattern_colour, s.window.top)},
        {"window text on bottom", s.window_text, Blend(s.pattern_colour, s.window.bottom)},
        {"caption top", s.caption_text, s.caption.top},
        {"caption bottom", s.caption_text, s.caption.bottom},
        {"button top", s.button_text, s.button.top},
        {"button bottom", s.button_text, s.button.bottom},
        {"hover top", s.button_text, s.button_hover.top},
        {"hover bottom", s.button_text, s.button_hover.bottom},
        {"pressed top", s.button_text, s.button_pressed.top},
        {"pressed bottom", s.button_text, s.button_pressed.bottom},
        {"field", s.field_text, s.field},
        {"list", s.list_text, s.list},
        {"alternate rows", s.list_text, s.list_alternate},
        {"header top", s.header_text, s.header.top},
        {"header bottom", s.header_text, s.header.bottom},
        {"selection", s.selection_text, s.selection},
    };
    for (const auto& pair : pairs) {
      EXPECT_GE(ContrastRatio(pair.text, pair.under), kLegibleContrast)
          << "skin " << number << " (" << s.name << "): " << pair.what;
    }
  }
}

TEST(ContrastRatio, SpansOneToTwentyOne) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0, 255}, {255, 255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({90, 90, 90, 255}, {90, 90, 90, 255}), 1.0, 1e-9);
  EXPECT_EQ(Blend({10, 20, 30, 255}, {200, 200, 200, 255}), (Colour{10, 20, 30, 255}));
  EXPECT_EQ(Blend({10, 20, 30, 0}, {200, 100, 50, 255}), (Colour{200, 100, 50, 255}));
}

TEST(ReadSkin, SurvivesEveryTruncationOfARealSkin) {
  const Bytes stored = StoredSkin(kAppliedSkin);
  const std::string whole(stored.View());
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    // A copy of exactly that length, so a read past its end is caught by the sanitizer.
    const std::string prefix = whole.substr(0, length);
    const auto skin = Read(prefix);
    EXPECT_EQ(skin.has_value(), length >= 6) << "length " << length;
  }
}

TEST(ReadSkin, SurvivesRandomBytes) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> size(0, 600);
  for (int round = 0; round < 4000; ++round) {
    std::string bytes(static_cast<std::size_t>(size(random)), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    // Half of them look like a skin at first and hold no zero byte, so the line reader gets
    // the garbage too.
    if (round % 2 == 0) {
      for (char& c : bytes) c = c == '\0' ? '\n' : c;
      bytes.insert(0, ".SHE 1\n");
    }
    const auto skin = Read(bytes);
    if (skin) {
      EXPECT_GE(skin->radius, 0);
      EXPECT_LE(skin->radius, 12);
      EXPECT_GE(skin->pattern_spacing, 2);
      EXPECT_LE(skin->pattern_spacing, 64);
    }
  }
}

}  // namespace
}  // namespace vq::skin
