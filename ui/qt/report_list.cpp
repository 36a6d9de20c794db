#include "ui/qt/report_list.h"

#include <QHeaderView>

#include "ui/qt/hidden_selection.h"

namespace vq {

ReportList::ReportList(const std::vector<ReportColumn>& columns, QWidget* parent)
    : QTreeWidget(parent) {
  setColumnCount(static_cast<int>(columns.size()));
  QStringList titles;
  for (const ReportColumn& column : columns) titles << column.title;
  setHeaderLabels(titles);
  for (int i = 0; i < columnCount(); ++i) setColumnWidth(i, columns[static_cast<size_t>(i)].width);
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setSortingEnabled(false);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(false);
  setFocusPolicy(Qt::StrongFocus);
  HideSelectionWithoutFocus(this);
}

void HistoryList::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    left_pressed_ = true;
    // The view keeps its selection on a click below the rows; this list drops it, as a click on
    // nothing selects nothing.
    if (itemAt(event->position().toPoint()) == nullptr) clearSelection();
  }
  ReportList::mousePressEvent(event);
}

void HistoryList::mouseReleaseEvent(QMouseEvent* event) {
  ReportList::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !left_pressed_) return;
  left_pressed_ = false;
  if (on_left_click_) on_left_click_();
}

}  // namespace vq
