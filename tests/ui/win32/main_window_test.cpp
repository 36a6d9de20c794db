// The main window right after start: frame, class, icons, controls, contents and stacking.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/label.h"
#include "ui/win32/message_loop.h"

namespace vq::test {
namespace {

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

using MainWindowShape = MainWindowTest;

TEST_F(MainWindowShape, HasItsTitleSizeAndCentredPosition) {
  EXPECT_EQ(WideWindowText(Window()), L"岚舟汽车违章查询 v1.0 By Quorvane");
  RECT outer;
  GetWindowRect(Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 383);
  EXPECT_EQ(outer.bottom - outer.top, 241);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 383) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 241) / 2);
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(MainWindowShape, ClassAndStylesMakeAFixedFrameWithAMinimiseButton) {
  EXPECT_EQ(ClassOf(Window()), kMainWindowClassName);
  EXPECT_EQ(GetClassLongPtrW(Window(), GCL_STYLE),
            static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(GetClassLongPtrW(Window(), GCLP_HBRBACKGROUND), 0u);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Window(), GCLP_HCURSOR)),
            LoadCursorW(nullptr, IDC_ARROW));

  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_STYLE));
  const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD), 0u);
  // The system adds the window edge to every captioned window; nothing else is asked for.
  const auto extended = static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_EXSTYLE));
  EXPECT_EQ(extended & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u);
  EXPECT_EQ(GetWindow(Window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(Window()), nullptr);
}

TEST_F(MainWindowShape, CarriesABigAndASmallIcon) {
  struct Case {
    WPARAM which;
    LONG size;
  };
  for (const Case c : {Case{ICON_BIG, 32}, Case{ICON_SMALL, 16}}) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(Window(), WM_GETICON, c.which, 0));
    ASSERT_NE(icon, nullptr) << c.size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, c.size);
    EXPECT_EQ(colour.bmHeight, c.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_F(MainWindowShape, PaintsItsBackgroundInButtonFace) {
  UpdateWindow(Window());
  PumpFor(100);
  HDC dc = GetDC(Window());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // Below the lists and between the controls: no control covers these points.
  EXPECT_EQ(GetPixel(dc, 4, 195), face);
  EXPECT_EQ(GetPixel(dc, 300, 34), face);
  ReleaseDC(Window(), dc);
}

struct ControlCase {
  const char* name;
  HWND WindowControls::*control;
  std::wstring class_name;
  RECT placement;  // client coordinates, as laid out
  DWORD style;     // besides WS_CHILD, WS_VISIBLE and WS_CLIPSIBLINGS
  DWORD extended_style;
  std::wstring text;
};

const std::vector<ControlCase>& ControlCases() {
  static const std::vector<ControlCase> cases = {
      {"超级列表框2",
       &WindowControls::result_list,
       WC_LISTVIEWW,
       {128, 40, 368, 184},
       WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
       WS_EX_CLIENTEDGE,
       L""},
      {"超级列表框1",
       &WindowControls::history_list,
       WC_LISTVIEWW,
       {8, 40, 120, 184},
       WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
       WS_EX_CLIENTEDGE,
       L""},
      {"标签2",
       &WindowControls::plate_label,
       kLabelClassName,
       {160, 8, 216, 32},
       0,
       0,
       L"车牌号码："},
      {"编辑框1",
       &WindowControls::plate_edit,
       L"Edit",
       {224, 10, 288, 30},
       WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
       WS_EX_CLIENTEDGE,
       L""},
      {"标签1",
       &WindowControls::province_label,
       kLabelClassName,
       {8, 8, 80, 32},
       0,
       0,
       L"请选择地区："},
      {"组合框1",
       &WindowControls::province_combo,
       L"ComboBox",
       {80, 10, 152, 30},
       WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL,
       0,
       L"津"},
      {"按钮1",
       &WindowControls::query_button,
       L"Button",
       {312, 8, 368, 32},
       WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
       0,
       L"查询"},
  };
  return cases;
}

TEST_F(MainWindowShape, SevenControlsWithTheirClassesStylesPlacesAndTexts) {
  for (const ControlCase& c : ControlCases()) {
    SCOPED_TRACE(c.name);
    HWND control = Controls().*c.control;
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), Window());
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), c.class_name.c_str()), 0) << ClassOf(control);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    EXPECT_EQ(style & (child | c.style), child | c.style);
    EXPECT_EQ(style & WS_TABSTOP, c.style & WS_TABSTOP);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE)), c.extended_style);
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_EQ(WideWindowText(control), c.text);
    const RECT at = ClientRectOf(control);
    EXPECT_EQ(at.left, c.placement.left);
    EXPECT_EQ(at.top, c.placement.top);
    EXPECT_EQ(at.right, c.placement.right);
    if (control != Controls().plate_edit && control != Controls().province_combo) {
      EXPECT_EQ(at.bottom, c.placement.bottom);  // those two follow their fonts
    }
  }
}

TEST_F(MainWindowShape, ControlsAreStackedInTableOrderFirstOnTop) {
  std::vector<HWND> stacked;
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    stacked.push_back(child);
  }
  std::vector<HWND> table;
  for (const ControlCase& c : ControlCases()) table.push_back(Controls().*c.control);
  EXPECT_EQ(stacked, table);
}

TEST_F(MainWindowShape, ControlsUseTheDefaultGuiFontExceptThePlateBox) {
  const auto gui_font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(SendMessageW(Window(), WM_GETFONT, 0, 0), gui_font);
  for (const ControlCase& c : ControlCases()) {
    if (c.control == &WindowControls::plate_edit) continue;
    EXPECT_EQ(SendMessageW(Controls().*c.control, WM_GETFONT, 0, 0), gui_font) << c.name;
  }
}

TEST_F(MainWindowShape, ListsHaveTheirColumnsAndExtendedStylesAndStartEmpty) {
  struct Column {
    std::wstring title;
    int width;
  };
  struct Case {
    HWND list;
    std::vector<Column> columns;
  };
  for (const Case& c : {Case{Controls().result_list, {{L"查询记录", 210}}},
                        Case{Controls().history_list, {{L"地区", 40}, {L"车牌号码", 60}}}}) {
    const auto header = reinterpret_cast<HWND>(SendMessageW(c.list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(c.columns.size()));
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
      wchar_t title[64] = {};
      LVCOLUMNW column{};
      column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE;
      column.pszText = title;
      column.cchTextMax = 64;
      ASSERT_TRUE(SendMessageW(c.list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
      EXPECT_EQ(std::wstring(title), c.columns[i].title);
      EXPECT_EQ(column.cx, c.columns[i].width);
      EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
      EXPECT_EQ(column.fmt & LVCFMT_IMAGE, 0);
    }
    EXPECT_EQ(SendMessageW(c.list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES);
    EXPECT_EQ(GetWindowLongPtrW(c.list, GWL_STYLE) & LVS_SHOWSELALWAYS, 0);
    EXPECT_EQ(SendMessageW(c.list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(c.list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(0, 0, 0)));
    EXPECT_EQ(SendMessageW(c.list, LVM_GETTEXTBKCOLOR, 0, 0),
              static_cast<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(SendMessageW(c.list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(ListItemCount(c.list), 0);
  }
}

TEST_F(MainWindowShape, ComboHoldsTheProvincesWithTheFirstSelected) {
  HWND combo = Controls().province_combo;
  const std::wstring provinces = L"津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川";
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 31);
  for (int i = 0; i < 31; ++i) {
    wchar_t item[8] = {};
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), provinces.substr(static_cast<std::size_t>(i), 1)) << i;
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0), 0);
  }
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  // The combo passes its vertical scroll bar on to its list, which the created height bounds.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  EXPECT_NE(GetWindowLongPtrW(info.hwndList, GWL_STYLE) & WS_VSCROLL, 0);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  RECT closed, list;
  GetWindowRect(combo, &closed);
  GetWindowRect(info.hwndList, &list);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  // The list shows whole items only, so it ends within one item above the bound.
  const auto item = static_cast<LONG>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  EXPECT_LE(list.bottom - closed.top, 160);
  EXPECT_GT(list.bottom - closed.top, 160 - 2 * item);
}

TEST_F(MainWindowShape, ComboItemsAreOnePixelTallerThanTheControlMakesThem) {
  if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
    GTEST_SKIP() << "Wine keeps the item height of a combo box that is not owner-drawn";
  }
  // The same combo box made with the same font, as the control reports its items by itself.
  HWND reference = CreateWindowExW(0, L"COMBOBOX", L"",
                                   WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0, 0,
                                   72, 160, Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(reference, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  const LRESULT own_height = SendMessageW(reference, CB_GETITEMHEIGHT, 0, 0);
  DestroyWindow(reference);
  EXPECT_EQ(SendMessageW(Controls().province_combo, CB_GETITEMHEIGHT, 0, 0), own_height + 1);
}

TEST_F(MainWindowShape, PlateBoxHasItsOwnFontAndIsTallEnoughForIt) {
  HWND edit = Controls().plate_edit;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW logical{};
  GetObjectW(font, sizeof logical, &logical);
  EXPECT_EQ(logical.lfHeight, -14);
  EXPECT_EQ(logical.lfWidth, 0);
  EXPECT_EQ(logical.lfWeight, FW_NORMAL);
  EXPECT_FALSE(logical.lfItalic || logical.lfUnderline || logical.lfStrikeOut);
  EXPECT_EQ(logical.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(logical.lfQuality, PROOF_QUALITY);
  EXPECT_EQ(logical.lfPitchAndFamily, DEFAULT_PITCH);
  EXPECT_EQ(std::wstring(logical.lfFaceName), L"");

  HDC dc = GetDC(edit);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE wu{};
  GetTextExtentPoint32W(dc, L"吴", 1, &wu);
  SelectObject(dc, previous);
  ReleaseDC(edit, dc);
  const int needed = wu.cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT outer;
  GetWindowRect(edit, &outer);
  EXPECT_EQ(outer.bottom - outer.top, needed > 20 ? needed : 20);

  const auto style = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_STYLE));
  EXPECT_EQ(style & (ES_NOHIDESEL | ES_PASSWORD | ES_READONLY | ES_UPPERCASE | ES_LOWERCASE |
                     ES_NUMBER | ES_MULTILINE),
            0u);
  EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), 0);  // caret at the start
}

TEST_F(MainWindowShape, LabelsPaintTheirFaceAndBlackText) {
  RedrawWindow(Window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(100);
  for (HWND label : {Controls().province_label, Controls().plate_label}) {
    RECT area;
    GetClientRect(label, &area);
    HDC dc = GetDC(label);
    EXPECT_EQ(GetPixel(dc, area.right - 1, 0), GetSysColor(COLOR_BTNFACE));
    // The caption's strokes: smoothed at their edges, black at their cores.
    int dark = 0;
    for (int y = 0; y < area.bottom; ++y) {
      for (int x = 0; x < area.right; ++x) {
        const COLORREF pixel = GetPixel(dc, x, y);
        dark += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 96 ? 1 : 0;
      }
    }
    ReleaseDC(label, dc);
    EXPECT_GT(dark, 20);
    EXPECT_EQ(GetWindowLongPtrW(label, GWL_STYLE) & WS_TABSTOP, 0);
  }
}

TEST(MainWindowStart, CreatedEventRunsWithTheControlsBeforeTheWindowShows) {
  int runs = 0;
  bool visible_then = true;
  int children_then = 0;
  MainWindowSetup setup;
  setup.on_created = [&] {
    ++runs;
    HWND window = FindWindowW(kMainWindowClassName, nullptr);
    visible_then = IsWindowVisible(window) != FALSE;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      ++children_then;
    }
  };
  auto window = MainWindow::Create(std::move(setup));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(visible_then);
  EXPECT_EQ(children_then, 7);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_FALSE(MessageLoopRunning());
}

TEST(MainWindowStart, AWindowClosedInItsCreatedEventSkipsTheLoop) {
  MainWindowSetup setup;
  setup.on_created = [] { DestroyWindow(FindWindowW(kMainWindowClassName, nullptr)); };
  auto window = MainWindow::Create(std::move(setup));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Handle(), nullptr);
  EXPECT_EQ(MainWindow::LiveCount(), 0);
  EXPECT_EQ(RunMessageLoop(), 0);  // returns at once: no window is left
}

TEST(MainWindowStart, EveryStartShowsTheSameFreshWindow) {
  for (int start = 0; start < 2; ++start) {
    auto window = MainWindow::Create({});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MainWindow::LiveCount(), 1);
    EXPECT_EQ(SendMessageW(window->Controls().province_combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ListItemCount(window->Controls().history_list), 0);
    window->Ops()->AppendHistoryRow();
    window.reset();
    EXPECT_EQ(MainWindow::LiveCount(), 0);
  }
}

}  // namespace
}  // namespace vq::test
