// MainWindow on Qt: the one window of the program, its seven controls, keys and events.
#pragma once

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QWidget>

#include <functional>
#include <memory>

#include "text/text.h"
#include "ui/main_window_ops.h"
#include "ui/qt/report_list.h"
#include "ui/qt/window_gate.h"
#include "ui/query_worker.h"

namespace vq {

struct MainWindowSetup {
  std::function<void()> on_created;  // the created event: run once, hidden, controls in place
  Text endpoint;                     // where queries are posted
  std::int32_t timeout_ms = 18000;
};

// Lives on the GUI thread, which alone creates, shows, closes and destroys it. The constructor
// builds the window hidden and runs the created event; show() shows it centred.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(MainWindowSetup setup);
  ~MainWindow() override;

  // The operations for workers and the recall; they outlive the window and answer the empty
  // value once it is gone.
  [[nodiscard]] std::shared_ptr<MainWindowOps> Ops() const { return ops_; }
  // Runs on the GUI thread once the teardown has finished (e.g. to end the event loop).
  void SetOnTornDown(std::function<void()> on_torn_down) {
    on_torn_down_ = std::move(on_torn_down);
  }

  // True once the teardown has run: the window is gone for the operations.
  [[nodiscard]] bool TornDown() const { return torn_down_; }

  // The controls, named as the window stores them.
  QComboBox* ProvinceCombo() const { return province_; }       // 组合框1
  QLineEdit* PlateEdit() const { return plate_; }              // 编辑框1
  QPushButton* QueryButton() const { return query_; }          // 按钮1
  HistoryList* History() const { return history_; }            // 超级列表框1
  ReportList* Results() const { return results_; }             // 超级列表框2
  QLabel* ProvinceCaption() const { return province_label_; }  // 标签1
  QLabel* PlateCaption() const { return plate_label_; }        // 标签2

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetUpKeyboard();
  void FitOuterSize();
  void TearDown();

  ReportList* results_;     // 超级列表框2
  HistoryList* history_;    // 超级列表框1
  QLabel* plate_label_;     // 标签2
  QLineEdit* plate_;        // 编辑框1
  QLabel* province_label_;  // 标签1
  QComboBox* province_;     // 组合框1
  QPushButton* query_;      // 按钮1

  std::shared_ptr<WindowGate> gate_;
  std::shared_ptr<MainWindowOps> ops_;
  std::unique_ptr<QueryWorkers> workers_;
  std::function<void()> on_torn_down_;
  bool torn_down_ = false;
};

}  // namespace vq
