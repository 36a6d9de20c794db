// The labels of the main window (标签1, 标签2): a small window class that paints itself.
#pragma once

#include <windows.h>

namespace vq {

// The class name of the self-painted label.
inline constexpr wchar_t kLabelClassName[] = L"VqSelfPaintedLabel";

// Registers the label class unless it is registered already. False when the system refuses.
// The window's thread.
[[nodiscard]] bool RegisterLabelClass(HINSTANCE instance);

// Paints a label: its rectangle in COLOR_BTNFACE, then its caption transparent, black, in
// DEFAULT_GUI_FONT, single line, left-aligned and vertically centred. The label never takes the
// focus and has no events. The window's thread.
LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace vq
