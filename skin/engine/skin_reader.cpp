#include "skin/engine/skin_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace vq::skin {
namespace {

constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::size_t kMaxNameBytes = 64;

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<int> ReadInt(std::string_view s, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// "#rrggbb" or "#rrggbbaa".
std::optional<Colour> ReadColour(std::string_view s) {
  if ((s.size() != 7 && s.size() != 9) || s.front() != '#') return std::nullopt;
  std::array<std::uint8_t, 4> channels{0, 0, 0, 255};
  for (std::size_t i = 0; i * 2 + 1 < s.size(); ++i) {
    const auto high = HexDigit(s[1 + i * 2]);
    const auto low = HexDigit(s[2 + i * 2]);
    if (!high || !low) return std::nullopt;
    channels[i] = static_cast<std::uint8_t>(*high * 16 + *low);
  }
  return Colour{channels[0], channels[1], channels[2], channels[3]};
}

// One colour (a plain fill) or two, top and bottom, separated by blanks.
std::optional<Gradient> ReadGradient(std::string_view s) {
  const std::size_t gap = s.find_first_of(" \t");
  if (gap == std::string_view::npos) {
    const auto plain = ReadColour(s);
    if (!plain) return std::nullopt;
    return Gradient{*plain, *plain};
  }
  const auto top = ReadColour(s.substr(0, gap));
  const auto bottom = ReadColour(Trim(s.substr(gap)));
  if (!top || !bottom) return std::nullopt;
  return Gradient{*top, *bottom};
}

std::optional<Pattern> ReadPattern(std::string_view s) {
  static constexpr std::array<std::pair<std::string_view, Pattern>, 5> kNames{{
      {"none", Pattern::kNone},
      {"stripes", Pattern::kStripes},
      {"dots", Pattern::kDots},
      {"grid", Pattern::kGrid},
      {"waves", Pattern::kWaves},
  }};
  for (const auto& [name, pattern] : kNames) {
    if (s == name) return pattern;
  }
  return std::nullopt;
}

// Printable ASCII only: names and font families reach toolkits and style sheets.
std::optional<std::string> ReadName(std::string_view s) {
  if (s.size() > kMaxNameBytes) return std::nullopt;
  for (char c : s) {
    if (c < 0x20 || c > 0x7E || c == ';' || c == '{' || c == '}' || c == '"' || c == '\\') {
      return std::nullopt;
    }
  }
  return std::string(s);
}

// Stores a read value when it could be read; an unreadable value keeps the default.
template <typename T>
void Keep(std::optional<T> read, T& member) {
  if (read) member = std::move(*read);
}

using KeyReader = void (*)(Skin&, std::string_view);

struct Key {
  std::string_view name;
  KeyReader read;
};

template <Colour Skin::*member>
void ColourKey(Skin& skin, std::string_view value) {
  Keep(ReadColour(value), skin.*member);
}

template <Gradient Skin::*member>
void GradientKey(Skin& skin, std::string_view value) {
  Keep(ReadGradient(value), skin.*member);
}

const std::array kKeys{
    Key{"name", [](Skin& s, std::string_view v) { Keep(ReadName(v), s.name); }},
    Key{"window", &GradientKey<&Skin::window>},
    Key{"window.text", &ColourKey<&Skin::window_text>},
    Key{"pattern", [](Skin& s, std::string_view v) { Keep(ReadPattern(v), s.pattern); }},
    Key{"pattern.colour", &ColourKey<&Skin::pattern_colour>},
    Key{"pattern.spacing",
        [](Skin& s, std::string_view v) { Keep(ReadInt(v, 2, 64), s.pattern_spacing); }},
    Key{"caption", &GradientKey<&Skin::caption>},
    Key{"caption.text", &ColourKey<&Skin::caption_text>},
    Key{"button", &GradientKey<&Skin::button>},
    Key{"button.hover", &GradientKey<&Skin::button_hover>},
    Key{"button.pressed", &GradientKey<&Skin::button_pressed>},
    Key{"button.border", &ColourKey<&Skin::button_border>},
    Key{"button.text", &ColourKey<&Skin::button_text>},
    Key{"radius", [](Skin& s, std::string_view v) { Keep(ReadInt(v, 0, 12), s.radius); }},
    Key{"field", &ColourKey<&Skin::field>},
    Key{"field.text", &ColourKey<&Skin::field_text>},
    Key{"field.border", &ColourKey<&Skin::field_border>},
    Key{"focus", &ColourKey<&Skin::focus>},
    Key{"list", &ColourKey<&Skin::list>},
    Key{"list.alternate", &ColourKey<&Skin::list_alternate>},
    Key{"list.text", &ColourKey<&Skin::list_text>},
    Key{"header", &GradientKey<&Skin::header>},
    Key{"header.text", &ColourKey<&Skin::header_text>},
    Key{"header.border", &ColourKey<&Skin::header_border>},
    Key{"selection", &ColourKey<&Skin::selection>},
    Key{"selection.text", &ColourKey<&Skin::selection_text>},
    Key{"font.family", [](Skin& s, std::string_view v) { Keep(ReadName(v), s.font_family); }},
    Key{"font.points",
        [](Skin& s, std::string_view v) {
          const auto points = ReadInt(v, 0, 24);
          if (points && (*points == 0 || *points >= 6)) s.font_points = *points;
        }},
};

void ReadLine(Skin& skin, std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#' || line.size() > kMaxLineBytes) return;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key = Trim(line.substr(0, equals));
  const std::string_view value = Trim(line.substr(equals + 1));
  // Unknown keys are skipped, so a newer skin still reads with this engine.
  for (const Key& known : kKeys) {
    if (known.name == key) {
      known.read(skin, value);
      return;
    }
  }
}

// The first line: the magic, blanks, the format version.
bool ReadHeader(std::string_view line) {
  const std::string_view magic(kSkinMagic);
  if (line.substr(0, magic.size()) != magic) return false;
  const auto version = ReadInt(Trim(line.substr(magic.size())), 0, 1000);
  return version && *version == kSkinFormatVersion;
}

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
  return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

}  // namespace

std::optional<Skin> ReadSkin(const unsigned char* data, std::int64_t length) {
  if (data == nullptr || length <= 0 || static_cast<std::uint64_t>(length) > kSkinMaxBytes) {
    return std::nullopt;
  }
  const std::string_view all(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  // A zero byte means binary data, not a skin.
  if (all.find('\0') != std::string_view::npos) return std::nullopt;
  std::size_t end = all.find('\n');
  if (!ReadHeader(Trim(all.substr(0, end)))) return std::nullopt;
  Skin skin;
  while (end != std::string_view::npos) {
    const std::size_t begin = end + 1;
    end = all.find('\n', begin);
    ReadLine(skin, all.substr(begin, end == std::string_view::npos ? end : end - begin));
  }
  return skin;
}

double ContrastRatio(Colour a, Colour b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour Blend(Colour a, Colour b) {
  const auto mix = [&](std::uint8_t top, std::uint8_t under) {
    return static_cast<std::uint8_t>((top * a.alpha + under * (255 - a.alpha) + 127) / 255);
  };
  return Colour{mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue), 255};
}

}  // namespace vq::skin
