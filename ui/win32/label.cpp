#include "ui/win32/label.h"

#include <string>

namespace vq {
namespace {

HFONT LabelFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void PaintLabel(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

  const int length = GetWindowTextLengthW(label);
  std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(label, caption.data(), length + 1);
  const int previous_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previous_colour = SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ previous_font = SelectObject(dc, LabelFont());
  DrawTextW(dc, caption.c_str(), copied, &area, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
  SelectObject(dc, previous_font);
  SetTextColor(dc, previous_colour);
  SetBkMode(dc, previous_mode);
  EndPaint(label, &paint);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kLabelClassName, &existing)) return true;
  WNDCLASSEXW label_class{};
  label_class.cbSize = sizeof label_class;
  label_class.style = CS_HREDRAW | CS_VREDRAW;
  label_class.lpfnWndProc = LabelProcedure;
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClassName;
  return RegisterClassExW(&label_class) != 0;
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole rectangle
    case WM_PAINT:
      PaintLabel(label);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wparam, lparam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(LabelFont());
    case WM_SETFONT:
      return 0;  // always DEFAULT_GUI_FONT
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // no events: the mouse goes to what lies below
    default:
      return DefWindowProcW(label, message, wparam, lparam);
  }
}

}  // namespace vq
