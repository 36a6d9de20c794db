// The operations on the main window's controls, as the query worker and the history recall see
// them. Each front end implements this interface over its real controls.
//
// Threads: any thread may call. A call from another thread is carried out on the window's thread
// while the caller waits; on the window's thread it runs directly. Once the window is gone (its
// teardown has begun), every operation does nothing and returns the empty value (-1 for indexes
// and rows, the empty text), without blocking. The implementation checks that on the window's
// thread too, so a call already on its way when the window goes touches nothing.
#pragma once

#include "text/text.h"

namespace vq {

class MainWindowOps {
 public:
  virtual ~MainWindowOps() = default;

  // 组合框1, the province drop-down list.
  [[nodiscard]] virtual int ProvinceSelection() = 0;  // 0 to 30, -1 when none
  // Above the last index selects the last item; -1 or below removes the selection.
  virtual void SetProvinceSelection(int index) = 0;
  [[nodiscard]] virtual Text ProvinceItemText(int index) = 0;  // empty outside the items

  // 编辑框1, the plate box.
  [[nodiscard]] virtual Text PlateText() = 0;
  virtual void SetPlateText(const Text& plate) = 0;

  // 超级列表框2, the result list: a row after the last one; its index, -1 when refused.
  virtual int AppendResultItem(const Text& caption) = 0;

  // 超级列表框1, the history list (column 0 地区, column 1 车牌号码).
  virtual int AppendHistoryRow() = 0;  // an empty row after the last one; -1 when refused
  virtual void SetHistoryCell(int row, int column, const Text& text) = 0;  // no such cell: nothing
  [[nodiscard]] virtual int SelectedHistoryRow() = 0;                   // first selected, -1 none
  [[nodiscard]] virtual Text HistoryCellText(int row, int column) = 0;  // empty when no such cell
};

}  // namespace vq
