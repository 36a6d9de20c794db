#include "ui/win32/control_ops.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/gbk_wide.h"

namespace vq {
namespace {

constexpr int kNone = -1;
constexpr std::size_t kFirstCellBuffer = 512;  // characters; doubled until the text fits

int ItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int ColumnCount(HWND list) {
  const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

bool IsCell(HWND list, int row, int column) {
  return row >= 0 && row < ItemCount(list) && column >= 0 && column < ColumnCount(list);
}

// An item with `caption` after the last row; its index, -1 when the list refuses it.
int AppendListItem(HWND list, const std::wstring& caption) {
  std::wstring text = caption;
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = ItemCount(list);
  item.pszText = text.data();
  return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

}  // namespace

void RunCarriedCall(LPARAM carried) {
  (*reinterpret_cast<std::function<void()>*>(carried))();
}

WindowControlOps::WindowControlOps(const WindowControls& controls, DWORD window_thread)
    : controls_(controls), window_thread_(window_thread) {}

template <typename Result>
Result WindowControlOps::OnWindowThread(Result empty, const std::function<Result()>& body) {
  if (gone_.load()) return empty;
  if (GetCurrentThreadId() == window_thread_) return body();
  Result result = empty;
  std::function<void()> call = [&] {
    if (!gone_.load()) result = body();
  };
  // A window that is already destroyed makes SendMessage fail at once: the result stays empty.
  SendMessageW(controls_.window, kCarriedCallMessage, 0, reinterpret_cast<LPARAM>(&call));
  return result;
}

void WindowControlOps::OnWindowThread(const std::function<void()>& body) {
  OnWindowThread<bool>(false, [&] {
    body();
    return true;
  });
}

int WindowControlOps::ProvinceSelection() {
  return OnWindowThread<int>(kNone, [this] {
    return static_cast<int>(SendMessageW(controls_.province_combo, CB_GETCURSEL, 0, 0));
  });
}

void WindowControlOps::SetProvinceSelection(int index) {
  OnWindowThread([this, index] {
    const int count = static_cast<int>(SendMessageW(controls_.province_combo, CB_GETCOUNT, 0, 0));
    const int clamped = index < 0 ? kNone : (index >= count ? count - 1 : index);
    SendMessageW(controls_.province_combo, CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
  });
}

Text WindowControlOps::ProvinceItemText(int index) {
  return OnWindowThread<Text>({}, [this, index]() -> Text {
    HWND combo = controls_.province_combo;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) return {};
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(item.data()));
    if (copied <= 0) return {};
    item.resize(static_cast<std::size_t>(copied));
    return GbkFromWide(item);
  });
}

Text WindowControlOps::PlateText() {
  return OnWindowThread<Text>({}, [this]() -> Text {
    HWND edit = controls_.plate_edit;
    const auto length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring plate(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(edit, WM_GETTEXT, plate.size(), reinterpret_cast<LPARAM>(plate.data()));
    plate.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return GbkFromWide(plate);
  });
}

void WindowControlOps::SetPlateText(const Text& plate) {
  OnWindowThread([this, wide = WideFromGbk(plate)] {
    SendMessageW(controls_.plate_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  });
}

int WindowControlOps::AppendResultItem(const Text& caption) {
  return OnWindowThread<int>(kNone, [this, wide = WideFromGbk(caption)] {
    return AppendListItem(controls_.result_list, wide);
  });
}

int WindowControlOps::AppendHistoryRow() {
  return OnWindowThread<int>(kNone, [this] { return AppendListItem(controls_.history_list, L""); });
}

void WindowControlOps::SetHistoryCell(int row, int column, const Text& text) {
  OnWindowThread([this, row, column, wide = WideFromGbk(text)]() mutable {
    HWND list = controls_.history_list;
    if (!IsCell(list, row, column)) return;
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  });
}

int WindowControlOps::SelectedHistoryRow() {
  return OnWindowThread<int>(kNone, [this] {
    return static_cast<int>(SendMessageW(controls_.history_list, LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  });
}

Text WindowControlOps::HistoryCellText(int row, int column) {
  return OnWindowThread<Text>({}, [this, row, column]() -> Text {
    HWND list = controls_.history_list;
    if (!IsCell(list, row, column)) return {};
    std::wstring cell(kFirstCellBuffer, L'\0');
    for (;;) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = cell.data();
      item.cchTextMax = static_cast<int>(cell.size());
      const auto copied = static_cast<std::size_t>(SendMessageW(
          list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
      if (copied + 1 < cell.size()) {
        cell.resize(copied);
        return GbkFromWide(cell);
      }
      cell.assign(cell.size() * 2, L'\0');  // it may have been cut: try a buffer twice as big
    }
  });
}

}  // namespace vq
