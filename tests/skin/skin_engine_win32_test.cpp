// The real engine dressing the windows of the calling thread: those made before and after it.
#include <windows.h>

#include <commctrl.h>  // needs windows.h first

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>

#include "skin/engine/skin_reader.h"
#include "skin/skin_setup.h"
#include "tests/skin/engine_loader.h"

namespace vq {
namespace {

COLORREF ToColorRef(skin::Colour c) {
  return RGB(c.red, c.green, c.blue);
}

struct WindowCloser {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser>;

UniqueWindow TopLevel() {
  return UniqueWindow(CreateWindowExW(0, L"#32770", L"skin test", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                      200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

HWND Child(HWND parent, const wchar_t* class_name, DWORD style, DWORD ex_style = 0) {
  return CreateWindowExW(ex_style, class_name, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 100, 60,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The colour of the brush a parent answers to a control's colour question.
COLORREF AnsweredBrushColour(HWND parent, UINT message, HWND control) {
  HDC dc = GetDC(control);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  ReleaseDC(control, dc);
  LOGBRUSH described{};
  if (brush == nullptr || GetObjectW(brush, sizeof described, &described) == 0) return CLR_INVALID;
  return described.lbColor;
}

class Win32Engine : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
  }
};

TEST_F(Win32Engine, DressesWindowsThatExistedBeforeTheCall) {
  ASSERT_NE(test::RealEngine(), nullptr);
  UniqueWindow window = TopLevel();
  ASSERT_NE(window, nullptr);
  HWND edit = Child(window.get(), L"EDIT", 0, WS_EX_CLIENTEDGE);
  HWND list = Child(window.get(), WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE);
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const skin::Skin skin = test::StoredSkinRead(kAppliedSkin);
  EXPECT_EQ(AnsweredBrushColour(window.get(), WM_CTLCOLOREDIT, edit), ToColorRef(skin.field));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), ToColorRef(skin.list));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
            ToColorRef(skin.list_text));
}

TEST_F(Win32Engine, DressesWindowsCreatedAfterTheCall) {
  ASSERT_EQ(test::AttachStored(5), 1);
  const skin::Skin skin = test::StoredSkinRead(5);
  UniqueWindow window = TopLevel();
  ASSERT_NE(window, nullptr);
  HWND edit = Child(window.get(), L"EDIT", 0, WS_EX_CLIENTEDGE);
  HWND list = Child(window.get(), WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE);
  EXPECT_EQ(AnsweredBrushColour(window.get(), WM_CTLCOLOREDIT, edit), ToColorRef(skin.field));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), ToColorRef(skin.list));
}

TEST_F(Win32Engine, PaintsTheWindowBackgroundAndAPushButton) {
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const skin::Skin skin = test::StoredSkinRead(kAppliedSkin);
  UniqueWindow window = TopLevel();
  HWND button = Child(window.get(), L"BUTTON", BS_PUSHBUTTON);
  SetWindowTextW(button, L"\x67E5\x8BE2");  // 查询
  // Paint both into memory bitmaps the way the system would, and look at the pixels.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 200);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(window.get(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  const COLORREF top = GetPixel(memory, 1, 0);
  SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  const COLORREF face = GetPixel(memory, 50, 30);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(top, ToColorRef(skin.window.top));
  const auto close_to = [](COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b)) <
           60;
  };
  EXPECT_TRUE(close_to(face, ToColorRef(skin.button.top)) ||
              close_to(face, ToColorRef(skin.button.bottom)))
      << std::hex << face;
}

TEST_F(Win32Engine, BytesItCannotReadChangeNothing) {
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const skin::Skin skin = test::StoredSkinRead(kAppliedSkin);
  const std::string garbage = ".SHE 9\nfield = #000000\n";
  EXPECT_EQ(test::RealEngine()(reinterpret_cast<const unsigned char*>(garbage.data()),
                               static_cast<int>(garbage.size()), "", 0, 0, 0),
            0);
  UniqueWindow window = TopLevel();
  HWND edit = Child(window.get(), L"EDIT", 0, WS_EX_CLIENTEDGE);
  EXPECT_EQ(AnsweredBrushColour(window.get(), WM_CTLCOLOREDIT, edit), ToColorRef(skin.field));
}

}  // namespace
}  // namespace vq
