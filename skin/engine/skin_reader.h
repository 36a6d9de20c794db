// Reading a skin file into the values the engine paints with. Portable: no toolkit, no platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vq::skin {

// A colour with straight (not premultiplied) alpha; 255 is opaque.
struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 255;
  friend bool operator==(const Colour&, const Colour&) = default;
};

// A vertical gradient from `top` to `bottom`; a plain colour has both ends equal.
struct Gradient {
  Colour top;
  Colour bottom;
};

// A picture drawn over the window's background, computed rather than stored.
enum class Pattern { kNone, kStripes, kDots, kGrid, kWaves };

// Everything a skin can say. Every member has a readable default, so a skin that names only a few
// keys still gives a complete look.
struct Skin {
  std::string name;

  Gradient window{{240, 240, 240, 255}, {240, 240, 240, 255}};
  Colour window_text{0, 0, 0, 255};
  Pattern pattern = Pattern::kNone;
  Colour pattern_colour{0, 0, 0, 0};
  int pattern_spacing = 8;  // pixels, 2 to 64

  Gradient caption{{60, 90, 150, 255}, {40, 65, 120, 255}};
  Colour caption_text{255, 255, 255, 255};

  Gradient button{{250, 250, 250, 255}, {225, 225, 225, 255}};
  Gradient button_hover{{255, 255, 255, 255}, {235, 235, 235, 255}};
  Gradient button_pressed{{205, 205, 205, 255}, {220, 220, 220, 255}};
  Colour button_border{130, 130, 130, 255};
  Colour button_text{0, 0, 0, 255};
  int radius = 3;  // corner radius of buttons and fields in pixels, 0 to 12

  Colour field{255, 255, 255, 255};
  Colour field_text{0, 0, 0, 255};
  Colour field_border{130, 130, 130, 255};
  Colour focus{50, 100, 200, 255};

  Colour list{255, 255, 255, 255};
  Colour list_alternate{255, 255, 255, 255};
  Colour list_text{0, 0, 0, 255};

  Gradient header{{245, 245, 245, 255}, {225, 225, 225, 255}};
  Colour header_text{0, 0, 0, 255};
  Colour header_border{170, 170, 170, 255};

  Colour selection{50, 100, 200, 255};
  Colour selection_text{255, 255, 255, 255};

  std::string font_family;  // empty: keep the program's font
  int font_points = 0;      // 0: keep the program's size; otherwise 6 to 24
};

// The four bytes every skin file begins with.
inline constexpr char kSkinMagic[] = ".SHE";
inline constexpr int kSkinFormatVersion = 1;
// Larger inputs are not skins; the bound keeps a stray pointer from walking far.
inline constexpr std::size_t kSkinMaxBytes = 1 << 20;

// Reads `length` bytes at `data` (null or non-positive length gives nothing). Nothing when the
// bytes are not a skin of a version this reader knows; otherwise a complete Skin in which each
// key that was missing or could not be read keeps its default. Reads only inside the given bytes
// and keeps no pointer into them. Pure; any thread.
[[nodiscard]] std::optional<Skin> ReadSkin(const unsigned char* data, std::int64_t length);

// The contrast ratio of two opaque colours, 1 to 21 (the usual relative-luminance formula).
[[nodiscard]] double ContrastRatio(Colour a, Colour b);

// `a` laid over `b` by a's alpha; the result is opaque.
[[nodiscard]] Colour Blend(Colour a, Colour b);

}  // namespace vq::skin
