#include "skin/engine/skin_paint_win32.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <type_traits>

namespace vq::skin {
namespace {

struct GdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiDeleter>;

// Selects an object into a device context for as long as it lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, int step, int steps) {
  return static_cast<std::uint8_t>(a + (b - a) * step / std::max(steps, 1));
}

Colour At(const Gradient& gradient, int row, int rows) {
  const int step = std::clamp(row, 0, std::max(rows - 1, 0));
  const int steps = std::max(rows - 1, 1);
  return Colour{Mix(gradient.top.red, gradient.bottom.red, step, steps),
                Mix(gradient.top.green, gradient.bottom.green, step, steps),
                Mix(gradient.top.blue, gradient.bottom.blue, step, steps), 255};
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  const COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

// The picture over the window background, clipped to `area`; coordinates relative to `origin`.
void PaintPattern(HDC dc, const Skin& skin, SIZE whole, POINT origin, const RECT& area) {
  if (skin.pattern == Pattern::kNone || skin.pattern_colour.alpha == 0) return;
  const Colour middle = At(skin.window, whole.cy / 2, whole.cy);
  const COLORREF ink = ToColorRef(Blend(skin.pattern_colour, middle));
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  const UniqueGdi pen(CreatePen(PS_SOLID, 1, ink));
  const Selection pen_selection(dc, pen.get());
  const int step = skin.pattern_spacing;
  const int width = static_cast<int>(whole.cx);
  const int height = static_cast<int>(whole.cy);
  const auto line = [&](int x1, int y1, int x2, int y2) {
    MoveToEx(dc, origin.x + x1, origin.y + y1, nullptr);
    LineTo(dc, origin.x + x2, origin.y + y2);
  };
  switch (skin.pattern) {
    case Pattern::kStripes:
      for (int x = -height; x < width; x += step) line(x, height, x + height, 0);
      break;
    case Pattern::kDots:
      for (int y = step / 2; y < height; y += step) {
        for (int x = ((y / step) % 2) * step / 2; x < width; x += step) {
          const RECT dot{origin.x + x, origin.y + y, origin.x + x + 2, origin.y + y + 2};
          FillSolid(dc, dot, ink);
        }
      }
      break;
    case Pattern::kGrid:
      for (int x = 0; x < width; x += step) line(x, 0, x, height);
      for (int y = 0; y < height; y += step) line(0, y, width, y);
      break;
    case Pattern::kWaves:
      for (int y = step; y < height + step; y += step) {
        MoveToEx(dc, origin.x, origin.y + y, nullptr);
        for (int x = 0; x <= width; x += 2) {
          const double phase = x * 3.14159265358979 / (2.0 * step);
          LineTo(dc, origin.x + x,
                 origin.y + y + static_cast<int>(std::lround(std::sin(phase) * step / 4.0)));
        }
      }
      break;
    case Pattern::kNone:
      break;
  }
  RestoreDC(dc, saved);
}

void DrawCaptionText(HDC dc, const std::wstring& text, HFONT font, COLORREF colour, RECT area,
                     UINT format) {
  const Selection font_selection(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previous = SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SetTextColor(dc, previous);
  SetBkMode(dc, mode);
}

}  // namespace

COLORREF ToColorRef(Colour c) {
  return RGB(c.red, c.green, c.blue);
}

void FillGradient(HDC dc, const RECT& area, const Gradient& gradient, int span_top,
                  int span_height) {
  for (int y = area.top; y < area.bottom; ++y) {
    const RECT row{area.left, y, area.right, y + 1};
    FillSolid(dc, row, ToColorRef(At(gradient, y - span_top, span_height)));
  }
}

void PaintWindowBackground(HDC dc, const Skin& skin, SIZE whole, POINT origin, const RECT& area) {
  FillGradient(dc, area, skin.window, origin.y, static_cast<int>(whole.cy));
  PaintPattern(dc, skin, whole, origin, area);
}

void PaintButton(HDC dc, const Skin& skin, const RECT& area, ButtonLook look, bool focused,
                 const std::wstring& caption, HFONT font) {
  const Gradient& face = look == ButtonLook::kPressed ? skin.button_pressed
                         : look == ButtonLook::kHot   ? skin.button_hover
                                                      : skin.button;
  const int diameter = skin.radius * 2;
  const UniqueGdi shape(
      CreateRoundRectRgn(area.left, area.top, area.right + 1, area.bottom + 1, diameter, diameter));
  const int saved = SaveDC(dc);
  SelectClipRgn(dc, static_cast<HRGN>(shape.get()));
  FillGradient(dc, area, face, area.top, area.bottom - area.top);
  RestoreDC(dc, saved);
  const UniqueGdi border(CreateSolidBrush(ToColorRef(focused ? skin.focus : skin.button_border)));
  FrameRgn(dc, static_cast<HRGN>(shape.get()), static_cast<HBRUSH>(border.get()), 1, 1);
  RECT text_area = area;
  if (look == ButtonLook::kPressed) OffsetRect(&text_area, 1, 1);
  Colour text = skin.button_text;
  if (look == ButtonLook::kDisabled)
    text = Blend(Colour{text.red, text.green, text.blue, 110}, face.bottom);
  DrawCaptionText(dc, caption, font, ToColorRef(text), text_area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintFlatFrame(HDC dc, const RECT& area, COLORREF outer, COLORREF inner, int inner_width) {
  const UniqueGdi outer_brush(CreateSolidBrush(outer));
  FrameRect(dc, &area, static_cast<HBRUSH>(outer_brush.get()));
  const UniqueGdi inner_brush(CreateSolidBrush(inner));
  RECT ring = area;
  for (int i = 0; i < inner_width; ++i) {
    InflateRect(&ring, -1, -1);
    FrameRect(dc, &ring, static_cast<HBRUSH>(inner_brush.get()));
  }
}

void PaintDropButton(HDC dc, const Skin& skin, const RECT& area) {
  FillGradient(dc, area, skin.button, area.top, area.bottom - area.top);
  const UniqueGdi border(CreateSolidBrush(ToColorRef(skin.field_border)));
  const RECT left_line{area.left, area.top, area.left + 1, area.bottom};
  FillRect(dc, &left_line, static_cast<HBRUSH>(border.get()));
  // A small filled triangle pointing down.
  const int cx = (area.left + area.right) / 2;
  const int cy = (area.top + area.bottom) / 2;
  const POINT arrow[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  const UniqueGdi ink(CreateSolidBrush(ToColorRef(skin.button_text)));
  const UniqueGdi pen(CreatePen(PS_SOLID, 1, ToColorRef(skin.button_text)));
  const Selection brush_selection(dc, ink.get());
  const Selection pen_selection(dc, pen.get());
  Polygon(dc, arrow, 3);
}

void PaintHeaderSection(HDC dc, const Skin& skin, const RECT& area, const std::wstring& caption,
                        HFONT font, bool last_line) {
  FillGradient(dc, area, skin.header, area.top, area.bottom - area.top);
  const COLORREF line = ToColorRef(skin.header_border);
  const RECT bottom{area.left, area.bottom - 1, area.right, area.bottom};
  FillSolid(dc, bottom, line);
  if (last_line) {
    const RECT right{area.right - 1, area.top + 3, area.right, area.bottom - 3};
    FillSolid(dc, right, line);
  }
  if (caption.empty()) return;
  RECT text_area = area;
  InflateRect(&text_area, -5, 0);
  DrawCaptionText(dc, caption, font, ToColorRef(skin.header_text), text_area,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void PaintCaption(HDC dc, const Skin& skin, const RECT& frame, int border, int caption_height,
                  HICON icon, const std::wstring& title, bool active, bool has_minimise) {
  Gradient bar = skin.caption;
  if (!active) {
    // An inactive window's caption is the same, faded towards the window colour.
    bar.top = Blend(Colour{bar.top.red, bar.top.green, bar.top.blue, 150}, skin.window.top);
    bar.bottom =
        Blend(Colour{bar.bottom.red, bar.bottom.green, bar.bottom.blue, 150}, skin.window.top);
  }
  // The frame edges take the caption's darker end.
  const COLORREF edge = ToColorRef(bar.bottom);
  const RECT sides[4] = {{frame.left, frame.top, frame.right, frame.top + border},
                         {frame.left, frame.bottom - border, frame.right, frame.bottom},
                         {frame.left, frame.top, frame.left + border, frame.bottom},
                         {frame.right - border, frame.top, frame.right, frame.bottom}};
  for (const RECT& side : sides) FillSolid(dc, side, edge);
  const RECT caption{frame.left + border, frame.top + border, frame.right - border,
                     frame.top + border + caption_height};
  FillGradient(dc, caption, bar, caption.top, caption_height);
  int text_left = caption.left + 4;
  if (icon != nullptr) {
    DrawIconEx(dc, caption.left + 2, caption.top + (caption_height - 16) / 2, icon, 16, 16, 0,
               nullptr, DI_NORMAL);
    text_left += 18;
  }
  // The buttons sit at the right edge, as the platform puts them.
  const int size = caption_height - 4;
  RECT button{caption.right - 2 - size, caption.top + 2, caption.right - 2, caption.top + 2 + size};
  const COLORREF ink = ToColorRef(skin.caption_text);
  const UniqueGdi pen(CreatePen(PS_SOLID, 2, ink));
  const Selection pen_selection(dc, pen.get());
  const int inset = size / 4 + 1;
  MoveToEx(dc, button.left + inset, button.top + inset, nullptr);  // the close cross
  LineTo(dc, button.right - inset, button.bottom - inset);
  MoveToEx(dc, button.right - inset, button.top + inset, nullptr);
  LineTo(dc, button.left + inset, button.bottom - inset);
  int text_right = button.left - 2;
  if (has_minimise) {
    OffsetRect(&button, -(size + 2), 0);
    MoveToEx(dc, button.left + inset, button.bottom - inset, nullptr);  // the minimise bar
    LineTo(dc, button.right - inset, button.bottom - inset);
    text_right = button.left - 2;
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  UniqueGdi caption_font;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    caption_font.reset(CreateFontIndirectW(&metrics.lfCaptionFont));
  }
  const RECT text_area{text_left, caption.top, text_right, caption.bottom};
  DrawCaptionText(dc, title, static_cast<HFONT>(caption_font.get()), ink, text_area,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace vq::skin
