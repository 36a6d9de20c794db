// The two report lists of the main window: rows of text cells under a header, one full row
// selected at a time, no sorting, no editing in place, the selection hidden without focus.
#pragma once

#include <QMouseEvent>
#include <QStringList>
#include <QTreeWidget>

#include <functional>
#include <vector>

namespace vq {

struct ReportColumn {
  QString title;
  int width;
};

class ReportList : public QTreeWidget {
 public:
  // The window's thread; the parent owns the list.
  ReportList(const std::vector<ReportColumn>& columns, QWidget* parent);
};

// 超级列表框1: a left click, on a row or on the empty space below the rows, is reported once the
// click has been applied to the selection (a click on empty space clears it first). Right clicks
// and keyboard moves are not reported.
class HistoryList : public ReportList {
 public:
  using ReportList::ReportList;
  // Runs on the window's thread after each left click.
  void SetOnLeftClick(std::function<void()> on_left_click) {
    on_left_click_ = std::move(on_left_click);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> on_left_click_;
  bool left_pressed_ = false;
};

}  // namespace vq
