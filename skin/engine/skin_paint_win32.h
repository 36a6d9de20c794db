// Drawing the parts of a skin with GDI. Each function draws into a device context it is given
// and keeps nothing; the window's thread.
#pragma once

#include <windows.h>

#include <string>

#include "skin/engine/skin_reader.h"

namespace vq::skin {

[[nodiscard]] COLORREF ToColorRef(Colour c);

// Fills `area` with the vertical gradient as it runs over rows `span_top` to `span_top +
// span_height` of the same device context's coordinates.
void FillGradient(HDC dc, const RECT& area, const Gradient& gradient, int span_top,
                  int span_height);

// Paints the window background (gradient and computed picture) of a client area `whole` wide and
// high into `area`; `origin` is where the client area's top-left corner lies in the device
// context, so a child can paint what its parent shows under it.
void PaintWindowBackground(HDC dc, const Skin& skin, SIZE whole, POINT origin, const RECT& area);

enum class ButtonLook { kNormal, kHot, kPressed, kDisabled };

// A push button face with rounded corners, its border, the focus ring and the caption.
void PaintButton(HDC dc, const Skin& skin, const RECT& area, ButtonLook look, bool focused,
                 const std::wstring& caption, HFONT font);

// A flat frame over the sunken edge of a control: `outer` on the outside, the next `inner_width`
// pixels in `inner`. `area` is the window rectangle in the window's own device context.
void PaintFlatFrame(HDC dc, const RECT& area, COLORREF outer, COLORREF inner, int inner_width);

// The drop-down button of a combo box: a small gradient face with a down arrow.
void PaintDropButton(HDC dc, const Skin& skin, const RECT& area);

// One header section (or the empty header beyond the last one when `caption` is empty).
void PaintHeaderSection(HDC dc, const Skin& skin, const RECT& area, const std::wstring& caption,
                        HFONT font, bool last_line);

// The caption bar of a top-level window: gradient, small icon, title, and the close and minimise
// buttons at the places of the platform's own; `frame` is the whole window rectangle.
void PaintCaption(HDC dc, const Skin& skin, const RECT& frame, int border, int caption_height,
                  HICON icon, const std::wstring& title, bool active, bool has_minimise);

}  // namespace vq::skin
