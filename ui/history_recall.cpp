#include "ui/history_recall.h"

#include "query/provinces.h"

namespace vq {

void RecallHistoryRow(MainWindowOps& window) {
  const Text province = window.HistoryCellText(window.SelectedHistoryRow(), 0);
  window.SetProvinceSelection(ProvinceIndexOf(province));
  // Read again: each read is made at the moment of its step.
  window.SetPlateText(window.HistoryCellText(window.SelectedHistoryRow(), 1));
}

}  // namespace vq
