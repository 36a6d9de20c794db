#include "ui/qt/qt_window_ops.h"

#include <algorithm>
#include <utility>

#include "ui/qt/qt_text.h"

namespace vq {
namespace {

// The item at `row`, with `column` one of its columns; null when there is no such cell.
QTreeWidgetItem* CellItem(QTreeWidget* list, int row, int column) {
  if (column < 0 || column >= list->columnCount()) return nullptr;
  return list->topLevelItem(row);  // null outside 0 .. count - 1
}

int AppendRow(QTreeWidget* list, const QStringList& cells) {
  // Added at the end, neither selected nor scrolled to.
  list->addTopLevelItem(new QTreeWidgetItem(cells));
  return list->topLevelItemCount() - 1;
}

}  // namespace

QtMainWindowOps::QtMainWindowOps(std::shared_ptr<WindowGate> gate, WindowControls controls)
    : gate_(std::move(gate)), controls_(controls) {}

template <typename Work>
int QtMainWindowOps::CallIndex(Work work) {
  // Wrapped so that a closed gate answers -1 rather than int's own empty value, 0.
  struct Index {
    int value = kNone;
  };
  return gate_->Call<Index>([work = std::move(work)] { return Index{work()}; }).value;
}

int QtMainWindowOps::ProvinceSelection() {
  return CallIndex([this] { return controls_.province->currentIndex(); });
}

void QtMainWindowOps::SetProvinceSelection(int index) {
  gate_->Call<bool>([this, index] {
    const int last = controls_.province->count() - 1;
    controls_.province->setCurrentIndex(index < 0 ? -1 : std::min(index, last));
    return true;
  });
}

Text QtMainWindowOps::ProvinceItemText(int index) {
  return gate_->Call<Text>([this, index] {
    const bool exists = index >= 0 && index < controls_.province->count();
    return exists ? ToText(controls_.province->itemText(index)) : Text();
  });
}

Text QtMainWindowOps::PlateText() {
  return gate_->Call<Text>([this] { return ToText(controls_.plate->text()); });
}

void QtMainWindowOps::SetPlateText(const Text& plate) {
  gate_->Call<bool>([this, plate] {
    controls_.plate->setText(ToQString(plate));
    return true;
  });
}

int QtMainWindowOps::AppendResultItem(const Text& caption) {
  return CallIndex([this, caption] { return AppendRow(controls_.results, {ToQString(caption)}); });
}

int QtMainWindowOps::AppendHistoryRow() {
  return CallIndex([this] { return AppendRow(controls_.history, {QString(), QString()}); });
}

void QtMainWindowOps::SetHistoryCell(int row, int column, const Text& text) {
  gate_->Call<bool>([this, row, column, text] {
    if (QTreeWidgetItem* item = CellItem(controls_.history, row, column)) {
      item->setText(column, ToQString(text));
    }
    return true;
  });
}

int QtMainWindowOps::SelectedHistoryRow() {
  return CallIndex([this] {
    int first = kNone;
    for (QTreeWidgetItem* item : controls_.history->selectedItems()) {
      const int row = controls_.history->indexOfTopLevelItem(item);
      if (first == kNone || row < first) first = row;
    }
    return first;
  });
}

Text QtMainWindowOps::HistoryCellText(int row, int column) {
  return gate_->Call<Text>([this, row, column] {
    QTreeWidgetItem* item = CellItem(controls_.history, row, column);
    return item != nullptr ? ToText(item->text(column)) : Text();
  });
}

}  // namespace vq
