// The main window's operations over the Qt controls, callable from any thread.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <memory>

#include "ui/main_window_ops.h"
#include "ui/qt/window_gate.h"

namespace vq {

struct WindowControls {
  QComboBox* province;   // 组合框1
  QLineEdit* plate;      // 编辑框1
  QTreeWidget* history;  // 超级列表框1
  QTreeWidget* results;  // 超级列表框2
};

// Shared by the window and its workers. The controls belong to the window and are touched only on
// its thread while `gate` is open; once it is closed every operation returns the empty value.
class QtMainWindowOps final : public MainWindowOps {
 public:
  QtMainWindowOps(std::shared_ptr<WindowGate> gate, WindowControls controls);

  int ProvinceSelection() override;
  void SetProvinceSelection(int index) override;
  Text ProvinceItemText(int index) override;
  Text PlateText() override;
  void SetPlateText(const Text& plate) override;
  int AppendResultItem(const Text& caption) override;
  int AppendHistoryRow() override;
  void SetHistoryCell(int row, int column, const Text& text) override;
  int SelectedHistoryRow() override;
  Text HistoryCellText(int row, int column) override;

 private:
  // The empty value of the operations that answer with an index.
  static constexpr int kNone = -1;
  template <typename Work>
  int CallIndex(Work work);

  std::shared_ptr<WindowGate> gate_;
  WindowControls controls_;
};

}  // namespace vq
