#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "query/provinces.h"
#include "ui/history_recall.h"
#include "ui/main_window_layout.h"
#include "ui/win32/gbk_wide.h"
#include "ui/win32/label.h"
#include "ui/win32/message_loop.h"
#include "ui/window_texts.h"

namespace vq {
namespace {

constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kListStyle =
    kChildStyle | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER;
constexpr DWORD kListExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;
constexpr wchar_t kIconName[] = L"DEFAULT_ICON";
constexpr wchar_t kTallestPlateCharacter[] = L"\u5434";  // 吴

enum ControlId : int {
  kResultListId = 1001,
  kHistoryListId,
  kPlateLabelId,
  kPlateEditId,
  kProvinceLabelId,
  kProvinceComboId,
  kQueryButtonId,
};

// Used on the window's thread only.
ATOM g_window_class = 0;
int g_live_windows = 0;

HFONT GuiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

HWND CreateChild(HWND parent, const wchar_t* class_name, const Text& caption, DWORD style,
                 DWORD extended_style, const ControlPlacement& at, int height, ControlId id) {
  return CreateWindowExW(extended_style, class_name, WideFromGbk(caption).c_str(), style, at.left,
                         at.top, at.width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

struct Column {
  Text title;
  int width;
};

// A report list with its columns, colours, extended styles and font.
HWND CreateReportList(HWND parent, const ControlPlacement& at, ControlId id,
                      std::initializer_list<Column> columns) {
  HWND list =
      CreateChild(parent, WC_LISTVIEWW, {}, kListStyle, WS_EX_CLIENTEDGE, at, at.height, id);
  if (list == nullptr) return nullptr;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(-1), kListExtendedStyle);
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
  SetFont(list, GuiFont());
  int index = 0;
  for (const Column& column : columns) {
    std::wstring title = WideFromGbk(column.title);
    LVCOLUMNW header{};
    header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    header.fmt = LVCFMT_LEFT;
    header.cx = column.width;
    header.pszText = title.data();
    header.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&header));
    ++index;
  }
  return list;
}

HWND CreateProvinceCombo(HWND parent) {
  HWND combo =
      CreateChild(parent, L"COMBOBOX", {},
                  kChildStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0,
                  kProvinceCombo, kProvinceComboCreatedHeight, kProvinceComboId);
  if (combo == nullptr) return nullptr;
  for (int row = 0; row < kProvinceCount; ++row) {
    const std::wstring item = WideFromGbk(ProvinceAbbreviation(row));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  SetFont(combo, GuiFont());
  const auto item_height = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
  SendMessageW(combo, CB_SETITEMHEIGHT, 0, item_height + 1);
  return combo;
}

HFONT CreatePlateFont() {
  LOGFONTW font{};
  font.lfHeight = -kPlateFontHeight;
  font.lfWidth = 0;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return CreateFontIndirectW(&font);  // empty face name: the system picks the face
}

// The plate box is at least as tall as "吴" in its font plus the sunken edge above and below.
void FitPlateEditHeight(HWND edit, HFONT font) {
  SIZE extent{};
  HDC dc = GetDC(edit);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, kTallestPlateCharacter, 1, &extent);
  SelectObject(dc, previous);
  ReleaseDC(edit, dc);
  const int wanted = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT outer{};
  GetWindowRect(edit, &outer);
  if (outer.bottom - outer.top < wanted) {
    SetWindowPos(edit, nullptr, 0, 0, outer.right - outer.left, wanted,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT BlackOnWhite(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup) : setup_(std::move(setup)) {}

MainWindow::~MainWindow() {
  if (controls_.window != nullptr) DestroyWindow(controls_.window);
}

std::unique_ptr<MainWindow> MainWindow::Create(MainWindowSetup setup) {
  std::unique_ptr<MainWindow> self(new MainWindow(std::move(setup)));
  if (!self->CreateWindowAndControls()) return nullptr;  // a partial window goes with `self`
  if (self->setup_.on_created) self->setup_.on_created();
  // The created event may have closed the window.
  if (self->controls_.window != nullptr) ShowWindow(self->controls_.window, SW_SHOW);
  return self;
}

bool MainWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (const ATOM atom =
          static_cast<ATOM>(GetClassInfoExW(instance, kMainWindowClassName, &existing))) {
    g_window_class = atom;
    return true;
  }
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = nullptr;  // the window paints its own background
  window_class.lpszClassName = kMainWindowClassName;
  g_window_class = RegisterClassExW(&window_class);
  return g_window_class != 0;
}

bool MainWindow::CreateWindowAndControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common_controls);
  if (!RegisterWindowClass(instance) || !RegisterLabelClass(instance)) return false;

  const WindowOrigin origin =
      CentredWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  HWND window = CreateWindowExW(0, kMainWindowClassName, WideFromGbk(WindowTitle()).c_str(),
                                kWindowStyle, origin.left, origin.top, kWindowOuterWidth,
                                kWindowOuterHeight, nullptr, nullptr, instance, this);
  if (window == nullptr) return false;
  RECT outer{};
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kWindowOuterWidth ||
      outer.bottom - outer.top != kWindowOuterHeight) {
    SetWindowPos(window, nullptr, 0, 0, kWindowOuterWidth, kWindowOuterHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  big_icon_.reset(static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, 32, 32, 0)));
  small_icon_.reset(static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, 16, 16, 0)));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  SetFont(window, GuiFont());

  if (!CreateControls()) return false;
  ops_ = std::make_shared<WindowControlOps>(controls_, GetCurrentThreadId());
  workers_ = std::make_unique<QueryWorkers>(
      QueryWorkerSetup{ops_, setup_.inform, setup_.endpoint, setup_.timeout_ms});
  return true;
}

bool MainWindow::CreateControls() {
  HWND window = controls_.window;
  WindowControls& c = controls_;
  c.result_list =
      CreateReportList(window, kResultList, kResultListId, {{ResultColumn(), kResultColumnWidth}});
  c.history_list = CreateReportList(window, kHistoryList, kHistoryListId,
                                    {{HistoryRegionColumn(), kHistoryRegionColumnWidth},
                                     {HistoryPlateColumn(), kHistoryPlateColumnWidth}});
  c.plate_label = CreateChild(window, kLabelClassName, PlateLabel(), kChildStyle, 0, kPlateLabel,
                              kPlateLabel.height, kPlateLabelId);
  c.plate_edit =
      CreateChild(window, L"EDIT", {}, kChildStyle | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
                  WS_EX_CLIENTEDGE, kPlateEdit, kPlateEdit.height, kPlateEditId);
  c.province_label = CreateChild(window, kLabelClassName, ProvinceLabel(), kChildStyle, 0,
                                 kProvinceLabel, kProvinceLabel.height, kProvinceLabelId);
  c.province_combo = CreateProvinceCombo(window);
  c.query_button =
      CreateChild(window, L"BUTTON", QueryButtonCaption(),
                  kChildStyle | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
                  0, kQueryButton, kQueryButton.height, kQueryButtonId);
  for (HWND control : {c.result_list, c.history_list, c.plate_label, c.plate_edit, c.province_label,
                       c.province_combo, c.query_button}) {
    if (control == nullptr) return false;
  }

  plate_font_.reset(CreatePlateFont());
  SetFont(c.plate_edit, plate_font_.get());
  FitPlateEditHeight(c.plate_edit, plate_font_.get());
  SetFont(c.query_button, GuiFont());
  ApplyStackingOrder();
  return true;
}

// The first control of the table on top: each goes to the top, the last of the table first.
void MainWindow::ApplyStackingOrder() {
  const WindowControls& c = controls_;
  const std::array<HWND, 7> table_order = {c.result_list, c.history_list,   c.plate_label,
                                           c.plate_edit,  c.province_label, c.province_combo,
                                           c.query_button};
  for (auto it = table_order.rbegin(); it != table_order.rend(); ++it) {
    SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

HWND MainWindow::NextFocusable(HWND from, bool forward) const {
  const WindowControls& c = controls_;
  const std::array<HWND, 5> order = {c.query_button, c.province_combo, c.plate_edit, c.history_list,
                                     c.result_list};
  const int count = static_cast<int>(order.size());
  int current = -1;  // none: start at the beginning (forward) or the end (backward)
  for (int i = 0; i < count; ++i) {
    if (from != nullptr && (order[i] == from || IsChild(order[i], from))) current = i;
  }
  for (int step = 1; step <= count; ++step) {
    const int i = current < 0 ? (forward ? step - 1 : count - step)
                              : ((current + (forward ? step : -step)) % count + count) % count;
    if (IsWindowVisible(order[i]) && IsWindowEnabled(order[i])) return order[i];
  }
  return nullptr;
}

void MainWindow::MoveFocus(bool forward) {
  if (HWND next = NextFocusable(GetFocus(), forward)) SetFocus(next);
}

void MainWindow::RememberFocus(HWND focus) {
  if (focus != nullptr && IsChild(controls_.window, focus)) remembered_focus_ = focus;
}

void MainWindow::RestoreFocus() {
  HWND target = remembered_focus_;
  const bool usable = target != nullptr && IsChild(controls_.window, target) &&
                      IsWindowVisible(target) && IsWindowEnabled(target);
  if (!usable) {
    // As at the first activation: the first control of the focus order that can take it.
    remembered_focus_ = nullptr;
    target = NextFocusable(nullptr, true);
  }
  if (target != nullptr) SetFocus(target);
}

bool MainWindow::TakeKey(const MSG& message) {
  HWND window = controls_.window;
  if (message.message != WM_KEYDOWN || window == nullptr) return false;
  if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(!shift);
      return true;
    case VK_ESCAPE:
      if (shift) return false;
      PostMessageW(window, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;  // Enter included: no default button, no focus move
  }
}

MainWindow* MainWindow::Owning(HWND any) {
  if (any == nullptr || g_window_class == 0) return nullptr;
  HWND root = GetAncestor(any, GA_ROOT);
  if (root == nullptr || GetClassLongPtrW(root, GCW_ATOM) != g_window_class) return nullptr;
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

int MainWindow::LiveCount() {
  return g_live_windows;
}

void MainWindow::Teardown() {
  // The operations stop first, so that nothing a worker sends from now on reaches a control.
  if (ops_) ops_->MarkGone();
  if (workers_) workers_->StopLast();
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->controls_.window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    ++g_live_windows;
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->controls_ = {};
    self->remembered_focus_ = nullptr;
    if (--g_live_windows == 0 && MessageLoopRunning()) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = controls_.window;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window, &area);
      FillRect(reinterpret_cast<HDC>(wparam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (paint.fErase) FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GuiFont());
    case WM_SETFONT:
      return 0;  // always DEFAULT_GUI_FONT
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return BlackOnWhite(reinterpret_cast<HDC>(wparam));
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lparam) == controls_.query_button &&
          HIWORD(wparam) == BN_CLICKED && workers_) {
        workers_->StartQuery();
      }
      return 0;
    case WM_NOTIFY: {
      const auto* notice = reinterpret_cast<const NMHDR*>(lparam);
      if (notice->hwndFrom == controls_.history_list && notice->code == NM_CLICK && ops_) {
        RecallHistoryRow(*ops_);
      }
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE || HIWORD(wparam) != 0) {
        RememberFocus(GetFocus());
      } else {
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      // The frame itself took the focus from one of the controls (as on minimising or restoring):
      // that control gets it back, unless the window is minimised, which keeps it meanwhile.
      RememberFocus(reinterpret_cast<HWND>(wparam));
      if (!IsIconic(window)) RestoreFocus();
      return 0;
    case kCarriedCallMessage:
      RunCarriedCall(lparam);
      return 0;
    case WM_DESTROY:
      Teardown();
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace vq
