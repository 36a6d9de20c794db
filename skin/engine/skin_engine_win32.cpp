// The engine on Windows: dresses the windows of the calling thread, those that exist and those
// created later (a thread-local creation hook), by subclassing each one by its kind.
#include <windows.h>

#include <commctrl.h>  // needs windows.h first

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>

#include "skin/engine/skin_attach.h"
#include "skin/engine/skin_paint_win32.h"
#include "skin/engine/skin_reader.h"

namespace {

using vq::skin::ButtonLook;
using vq::skin::Skin;
using vq::skin::ToColorRef;

enum class Kind : UINT_PTR {
  kNone = 0,
  kFrame,   // a top-level window or dialog: background and caption
  kButton,  // a push button: painted whole
  kLabel,   // a text label: painted whole over the parent's background
  kField,   // an edit box or list view: a flat frame
  kCombo,   // a combo box: a flat frame and our drop button over its own
  kHeader,  // a list view's column header: painted whole
};

constexpr wchar_t kProcProperty[] = L"vq.skin.proc";
constexpr wchar_t kKindProperty[] = L"vq.skin.kind";
constexpr wchar_t kHotProperty[] = L"vq.skin.hot";

struct GdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;

// The skin in force on this thread, and what is made from it once.
struct Attached {
  Skin skin;
  UniqueBrush field_brush;
  UniqueBrush window_brush;
  DWORD thread = 0;
};

// One engine per process, serving the thread that attached it (the user-interface thread).
std::unique_ptr<Attached> g_attached;
HHOOK g_hook = nullptr;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

HFONT FontOf(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool SameClass(const std::wstring& a, const wchar_t* b) {
  return lstrcmpiW(a.c_str(), b) == 0;
}

Kind KindOf(HWND window) {
  const std::wstring name = ClassOf(window);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  // Menus, tips, drop lists and input-method windows keep the platform's look.
  for (const wchar_t* skipped :
       {L"#32768", L"tooltips_class32", L"ComboLBox", L"IME", L"MSCTFIME UI", L"SysShadow"}) {
    if (SameClass(name, skipped)) return Kind::kNone;
  }
  if ((style & WS_CHILD) == 0) return Kind::kFrame;
  if (SameClass(name, L"Button")) {
    const DWORD type = style & BS_TYPEMASK;
    return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? Kind::kButton : Kind::kNone;
  }
  if (SameClass(name, L"Edit") || SameClass(name, WC_LISTVIEWW)) {
    return (ex_style & WS_EX_CLIENTEDGE) != 0 ? Kind::kField : Kind::kNone;
  }
  if (SameClass(name, L"ComboBox")) return Kind::kCombo;
  if (SameClass(name, WC_HEADERW)) return Kind::kHeader;
  if (SameClass(name, L"Static")) {
    const DWORD type = style & SS_TYPEMASK;
    const bool text = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ||
                      type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
    return text ? Kind::kLabel : Kind::kNone;
  }
  // A control of the program's own that takes no focus and has no edge: a painted label.
  // (Child dialogs, common controls and windows with children of their own are no labels.)
  bool common = name.rfind(L"#", 0) == 0 || name.rfind(L"Sys", 0) == 0 ||
                name.rfind(L"msctls_", 0) == 0 || name.rfind(L"Rich", 0) == 0 ||
                GetWindow(window, GW_CHILD) != nullptr;
  for (const wchar_t* control : {L"ListBox", L"ScrollBar", L"ToolbarWindow32", L"ReBarWindow32",
                                 L"ComboBoxEx32", L"MDIClient"}) {
    common = common || SameClass(name, control);
  }
  if (!common && (style & WS_TABSTOP) == 0 && (ex_style & WS_EX_CLIENTEDGE) == 0) {
    return Kind::kLabel;
  }
  return Kind::kNone;
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kProcProperty));
  return original != nullptr ? CallWindowProcW(original, window, message, wparam, lparam)
                             : DefWindowProcW(window, message, wparam, lparam);
}

// Where `child`'s client area lies in its parent's, and how large the parent's client area is.
void ParentGeometry(HWND child, SIZE* whole, POINT* origin) {
  HWND parent = GetParent(child);
  RECT client{};
  GetClientRect(parent != nullptr ? parent : child, &client);
  *whole = SIZE{client.right, client.bottom};
  POINT corner{0, 0};
  if (parent != nullptr) MapWindowPoints(child, parent, &corner, 1);
  *origin = POINT{-corner.x, -corner.y};
}

void PaintParentBackground(HWND child, HDC dc, const RECT& area) {
  SIZE whole{};
  POINT origin{};
  ParentGeometry(child, &whole, &origin);
  vq::skin::PaintWindowBackground(dc, g_attached->skin, whole, origin, area);
}

// Paints through a memory bitmap, so a control never flickers through its old look.
template <typename Painter>
void PaintBuffered(HWND window, Painter paint) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client{};
  GetClientRect(window, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  paint(memory, client);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window, &ps);
}

void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

LRESULT FrameMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT ButtonMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT LabelMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT FieldMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT ComboMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT HeaderMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

LRESULT CALLBACK SkinnedProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCDESTROY || g_attached == nullptr) {
    const LRESULT result = CallOriginal(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      RemovePropW(window, kProcProperty);
      RemovePropW(window, kKindProperty);
      RemovePropW(window, kHotProperty);
    }
    return result;
  }
  switch (static_cast<Kind>(reinterpret_cast<UINT_PTR>(GetPropW(window, kKindProperty)))) {
    case Kind::kFrame:
      return FrameMessage(window, message, wparam, lparam);
    case Kind::kButton:
      return ButtonMessage(window, message, wparam, lparam);
    case Kind::kLabel:
      return LabelMessage(window, message, wparam, lparam);
    case Kind::kField:
      return FieldMessage(window, message, wparam, lparam);
    case Kind::kCombo:
      return ComboMessage(window, message, wparam, lparam);
    case Kind::kHeader:
      return HeaderMessage(window, message, wparam, lparam);
    case Kind::kNone:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

// List views take their colours by message; set them whenever the list is dressed.
void DressListView(HWND list) {
  const COLORREF back = ToColorRef(g_attached->skin.list);
  SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0,
               static_cast<LPARAM>(ToColorRef(g_attached->skin.list_text)));
}

void Dress(HWND window, bool created) {
  if (GetPropW(window, kProcProperty) != nullptr) return;  // dressed already
  const Kind kind = KindOf(window);
  if (kind == Kind::kNone) return;
  SetPropW(window, kKindProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(kind)));
  const LONG_PTR original =
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinnedProcedure));
  SetPropW(window, kProcProperty, reinterpret_cast<HANDLE>(original));
  if (created && SameClass(ClassOf(window), WC_LISTVIEWW)) DressListView(window);
}

BOOL CALLBACK DressChild(HWND child, LPARAM) {
  Dress(child, true);
  return TRUE;
}

BOOL CALLBACK DressThreadWindow(HWND window, LPARAM) {
  Dress(window, true);
  EnumChildWindows(window, DressChild, 0);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && g_attached != nullptr) Dress(reinterpret_cast<HWND>(wparam), false);
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// --- the kinds ---------------------------------------------------------------------------------

// Answers the colour question a control asks its parent; false when it is not one of ours.
bool ColourMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  const Skin& skin = g_attached->skin;
  auto dc = reinterpret_cast<HDC>(wparam);
  auto control = reinterpret_cast<HWND>(lparam);
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      SetTextColor(dc, ToColorRef(skin.field_text));
      SetBkColor(dc, ToColorRef(skin.field));
      *result = reinterpret_cast<LRESULT>(g_attached->field_brush.get());
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (SameClass(ClassOf(control), L"Edit")) {  // read-only and disabled edit boxes
        SetTextColor(dc, ToColorRef(skin.field_text));
        SetBkColor(dc, ToColorRef(skin.field));
        *result = reinterpret_cast<LRESULT>(g_attached->field_brush.get());
        return true;
      }
      SetTextColor(dc, ToColorRef(skin.window_text));
      SetBkMode(dc, TRANSPARENT);
      *result = reinterpret_cast<LRESULT>(g_attached->window_brush.get());
      return true;
    default:
      return false;
  }
}

// Rows of a list view in alternating colours, the selection in the skin's colours.
LRESULT ListCustomDraw(NMLVCUSTOMDRAW* draw) {
  const Skin& skin = g_attached->skin;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      HWND list = draw->nmcd.hdr.hwndFrom;
      const auto row = static_cast<int>(draw->nmcd.dwItemSpec);
      const bool selected =
          (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
           LVIS_SELECTED) != 0 &&
          GetFocus() == list;
      if (selected) {
        draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
        draw->clrText = ToColorRef(skin.selection_text);
        draw->clrTextBk = ToColorRef(skin.selection);
      } else {
        draw->clrText = ToColorRef(skin.list_text);
        draw->clrTextBk = ToColorRef(row % 2 == 0 ? skin.list : skin.list_alternate);
      }
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void PaintFrameCaption(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  if ((style & WS_CAPTION) != WS_CAPTION) return;
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT frame{};
  GetWindowRect(window, &frame);
  OffsetRect(&frame, -frame.left, -frame.top);
  const bool sizing = (style & WS_THICKFRAME) != 0;
  const int border = GetSystemMetrics(sizing ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  vq::skin::PaintCaption(dc, g_attached->skin, frame, border, GetSystemMetrics(SM_CYCAPTION) - 1,
                         icon, TextOf(window), GetActiveWindow() == window,
                         (style & WS_MINIMIZEBOX) != 0);
  ReleaseDC(window, dc);
}

LRESULT FrameMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      vq::skin::PaintWindowBackground(reinterpret_cast<HDC>(wparam), g_attached->skin,
                                      SIZE{client.right, client.bottom}, POINT{0, 0}, client);
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      LRESULT result = 0;
      if (ColourMessage(message, wparam, lparam, &result)) return result;
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) &&
          SameClass(ClassOf(header->hwndFrom), WC_LISTVIEWW)) {
        return ListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lparam));
      }
      break;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE: {
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      PaintFrameCaption(window);
      return result;
    }
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

ButtonLook LookOf(HWND button) {
  if (!IsWindowEnabled(button)) return ButtonLook::kDisabled;
  if ((SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) return ButtonLook::kPressed;
  if (GetPropW(button, kHotProperty) != nullptr) return ButtonLook::kHot;
  return ButtonLook::kNormal;
}

LRESULT ButtonMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      const auto paint = [&](HDC dc, const RECT& client) {
        PaintParentBackground(window, dc, client);
        vq::skin::PaintButton(dc, g_attached->skin, client, LookOf(window), GetFocus() == window,
                              TextOf(window), FontOf(window));
      };
      if (message == WM_PAINT) {
        PaintBuffered(window, paint);
      } else {
        RECT client{};
        GetClientRect(window, &client);
        paint(reinterpret_cast<HDC>(wparam), client);
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (GetPropW(window, kHotProperty) == nullptr) {
        SetPropW(window, kHotProperty, reinterpret_cast<HANDLE>(1));
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      RemovePropW(window, kHotProperty);
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE: {
      // The platform's button paints some state changes at once, outside WM_PAINT: paint over.
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      if (IsWindow(window)) RepaintNow(window);
      return result;
    }
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

LRESULT LabelMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, [&](HDC dc, const RECT& client) {
        PaintParentBackground(window, dc, client);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
        UINT format = DT_NOPREFIX;
        if (!SameClass(ClassOf(window), L"Static")) {
          format |= DT_SINGLELINE | DT_VCENTER | DT_LEFT;  // a label of the program's own
        } else {
          const DWORD type = style & SS_TYPEMASK;
          format |= type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
          if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) {
            format |= DT_SINGLELINE;
          } else {
            format |= DT_WORDBREAK;
          }
        }
        const std::wstring text = TextOf(window);
        HGDIOBJ previous = SelectObject(dc, FontOf(window));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(g_attached->skin.window_text));
        RECT area = client;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
        SelectObject(dc, previous);
      });
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

void PaintFieldFrame(HWND window) {
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT frame{};
  GetWindowRect(window, &frame);
  OffsetRect(&frame, -frame.left, -frame.top);
  const Skin& skin = g_attached->skin;
  const bool list = SameClass(ClassOf(window), WC_LISTVIEWW);
  const vq::skin::Colour outer = GetFocus() == window ? skin.focus : skin.field_border;
  vq::skin::PaintFlatFrame(dc, frame, ToColorRef(outer), ToColorRef(list ? skin.list : skin.field),
                           GetSystemMetrics(SM_CXEDGE) - 1);
  ReleaseDC(window, dc);
}

LRESULT FieldMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      if (result == 0 && SameClass(ClassOf(window), WC_LISTVIEWW)) DressListView(window);
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      PaintFieldFrame(window);
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      if (IsWindow(window)) PaintFieldFrame(window);
      return result;
    }
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

void PaintComboChrome(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(combo, &info)) return;
  HDC dc = GetDC(combo);
  if (dc == nullptr) return;
  RECT client{};
  GetClientRect(combo, &client);
  const Skin& skin = g_attached->skin;
  const vq::skin::Colour outer = GetFocus() == combo ? skin.focus : skin.field_border;
  vq::skin::PaintFlatFrame(dc, client, ToColorRef(outer), ToColorRef(skin.field), 1);
  RECT button = info.rcButton;
  button.top = client.top + 1;
  button.bottom = client.bottom - 1;
  button.right = client.right - 1;
  button.left = std::max<LONG>(button.left - 1, client.left + 1);
  vq::skin::PaintDropButton(dc, skin, button);
  ReleaseDC(combo, dc);
}

LRESULT ComboMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_KEYDOWN:
    case WM_CAPTURECHANGED:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN: {
      // The combo box paints its frame and button in many places; ours goes over it after each.
      const LRESULT result = CallOriginal(window, message, wparam, lparam);
      if (IsWindow(window)) PaintComboChrome(window);
      return result;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: {
      LRESULT result = 0;
      if (ColourMessage(message, wparam, lparam, &result)) return result;
      break;
    }
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

LRESULT HeaderMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, [&](HDC dc, const RECT& client) {
        const Skin& skin = g_attached->skin;
        const int count = static_cast<int>(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0));
        LONG right = client.left;
        for (int index = 0; index < count; ++index) {
          RECT section{};
          SendMessageW(window, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&section));
          wchar_t caption[256] = {};
          HDITEMW item{};
          item.mask = HDI_TEXT;
          item.pszText = caption;
          item.cchTextMax = 256;
          SendMessageW(window, HDM_GETITEMW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&item));
          vq::skin::PaintHeaderSection(dc, skin, section, caption, FontOf(window), true);
          right = std::max(right, section.right);
        }
        if (right < client.right) {
          const RECT rest{right, client.top, client.right, client.bottom};
          vq::skin::PaintHeaderSection(dc, skin, rest, L"", FontOf(window), false);
        }
      });
      return 0;
    default:
      break;
  }
  return CallOriginal(window, message, wparam, lparam);
}

void Attach(const Skin& skin) {
  auto attached = std::make_unique<Attached>();
  attached->skin = skin;
  attached->field_brush.reset(CreateSolidBrush(ToColorRef(skin.field)));
  const vq::skin::Colour middle = vq::skin::Blend(
      vq::skin::Colour{skin.window.top.red, skin.window.top.green, skin.window.top.blue, 128},
      skin.window.bottom);
  attached->window_brush.reset(CreateSolidBrush(ToColorRef(middle)));
  attached->thread = GetCurrentThreadId();
  g_attached = std::move(attached);
  if (g_hook == nullptr) {
    g_hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
  }
  EnumThreadWindows(GetCurrentThreadId(), DressThreadWindow, 0);
}

}  // namespace

namespace vq::skin {

bool AttachToProgram(const Skin& skin) {
  // The engine serves one user-interface thread: the first one that attaches.
  if (g_attached != nullptr && g_attached->thread != GetCurrentThreadId()) return false;
  Attach(skin);
  return true;
}

}  // namespace vq::skin
