// The window right after start: frame, place, controls, their contents and settings.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "tests/ui/qt/window_test_support.h"

namespace vq::testing {
namespace {

TEST(StartUp, WindowIsFixedCentredAndTitled) {
  auto window = OpenWindow();
  // Offscreen there is no frame, so the outer size is the client size.
  EXPECT_EQ(window->frameGeometry().size(), QSize(383, 241));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->frameGeometry().topLeft(),
            QPoint((screen.width() - 383) / 2, (screen.height() - 241) / 2));
  EXPECT_EQ(window->windowTitle(), Shown(u8"岚舟汽车违章查询 v1.0 By Quorvane"));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
  const QList<QSize> icon_sizes = window->windowIcon().availableSizes();
  for (const int size : {16, 32, 48, 64, 128}) {
    EXPECT_TRUE(icon_sizes.contains(QSize(size, size))) << size;
  }
}

TEST(StartUp, ControlsSitWhereTheTableSaysInStackingOrder) {
  auto window = OpenWindow();
  struct Placed {
    const char* name;
    QWidget* control;
    QRect at;
  };
  const std::vector<Placed> table = {
      {"超级列表框2", window->Results(), {128, 40, 240, 144}},
      {"超级列表框1", window->History(), {8, 40, 112, 144}},
      {"标签2", window->PlateCaption(), {160, 8, 56, 24}},
      {"编辑框1", window->PlateEdit(), {224, 10, 64, 20}},
      {"标签1", window->ProvinceCaption(), {8, 8, 72, 24}},
      {"组合框1", window->ProvinceCombo(), {80, 10, 72, 20}},
      {"按钮1", window->QueryButton(), {312, 8, 56, 24}},
  };
  for (const Placed& placed : table) {
    SCOPED_TRACE(placed.name);
    EXPECT_TRUE(placed.control->isVisible());
    EXPECT_TRUE(placed.control->isEnabled());
    EXPECT_EQ(placed.control->pos(), placed.at.topLeft());
    EXPECT_EQ(placed.control->width(), placed.at.width());
    if (placed.control == window->PlateEdit()) {
      // Grown to one line of its font between two 2-pixel edges when 20 is too little.
      const int least = QFontMetrics(placed.control->font()).height() + 4;
      EXPECT_EQ(placed.control->height(), std::max(placed.at.height(), least));
    } else {
      EXPECT_EQ(placed.control->height(), placed.at.height());
    }
  }
  // Qt keeps siblings bottom to top: the table's first control must come last.
  std::vector<QObject*> bottom_up;
  for (QObject* child : window->children()) {
    const bool listed = std::any_of(table.begin(), table.end(),
                                    [&](const Placed& p) { return p.control == child; });
    if (listed) bottom_up.push_back(child);
  }
  ASSERT_EQ(bottom_up.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(bottom_up[table.size() - 1 - i], table[i].control) << table[i].name;
  }
}

TEST(StartUp, ProvinceBoxHoldsTheThirtyOneAbbreviationsWithTheFirstSelected) {
  auto window = OpenWindow();
  const QString expected =
      Shown(u8"津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川");
  const QComboBox* box = window->ProvinceCombo();
  ASSERT_EQ(box->count(), 31);
  for (int i = 0; i < 31; ++i) EXPECT_EQ(box->itemText(i), expected.mid(i, 1)) << i;
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_EQ(box->currentText(), Shown(u8"津"));
  EXPECT_FALSE(box->isEditable());
}

TEST(StartUp, PlateBoxIsEmptyCentredWithAFourteenPixelFont) {
  auto window = OpenWindow();
  const QLineEdit* plate = window->PlateEdit();
  EXPECT_TRUE(plate->text().isEmpty());
  EXPECT_EQ(plate->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(plate->font().pixelSize(), 14);
  EXPECT_EQ(plate->echoMode(), QLineEdit::Normal);
  EXPECT_FALSE(plate->isReadOnly());
  const QPalette colours = plate->palette();
  EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
            colours.color(QPalette::Inactive, QPalette::Base))
      << "the selection is hidden without focus";
}

TEST(StartUp, LabelsAndButtonShowTheirCaptions) {
  auto window = OpenWindow();
  EXPECT_EQ(window->ProvinceCaption()->text(), Shown(u8"请选择地区："));
  EXPECT_EQ(window->PlateCaption()->text(), Shown(u8"车牌号码："));
  EXPECT_EQ(window->QueryButton()->text(), Shown(u8"查询"));
  EXPECT_FALSE(window->QueryButton()->autoDefault());
  EXPECT_FALSE(window->QueryButton()->isDefault());
  for (const QLabel* label : {window->ProvinceCaption(), window->PlateCaption()}) {
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  }
}

TEST(StartUp, ListsAreEmptyReportsWithTheirColumns) {
  auto window = OpenWindow();
  struct Columns {
    const char* name;
    QTreeWidget* list;
    std::vector<std::pair<QString, int>> columns;
  };
  const std::vector<Columns> table = {
      {"超级列表框1", window->History(), {{Shown(u8"地区"), 40}, {Shown(u8"车牌号码"), 60}}},
      {"超级列表框2", window->Results(), {{Shown(u8"查询记录"), 210}}},
  };
  for (const Columns& entry : table) {
    SCOPED_TRACE(entry.name);
    QTreeWidget* list = entry.list;
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(list->isHeaderHidden());
    ASSERT_EQ(list->columnCount(), static_cast<int>(entry.columns.size()));
    for (int c = 0; c < list->columnCount(); ++c) {
      EXPECT_EQ(list->headerItem()->text(c), entry.columns[static_cast<size_t>(c)].first);
      EXPECT_EQ(list->columnWidth(c), entry.columns[static_cast<size_t>(c)].second);
    }
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_FALSE(list->header()->sectionsClickable());
    EXPECT_FALSE(list->rootIsDecorated());
    // The selection is not drawn while the list has no focus.
    const QPalette colours = list->palette();
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
              colours.color(QPalette::Inactive, QPalette::Base));
  }
}

TEST(StartUp, MinimisedAndRestoredTheWindowKeepsItsSizeAndRows) {
  auto window = OpenWindow();
  window->Ops()->AppendResultItem(Text("A1"));
  window->showMinimized();
  window->showNormal();
  EXPECT_EQ(window->frameGeometry().size(), QSize(383, 241));
  EXPECT_EQ(window->Results()->topLevelItemCount(), 1);
}

TEST(StartUp, CreatedEventRunsOnceBeforeTheWindowIsShownWithControlsInPlace) {
  int runs = 0;
  bool shown_at_event = true;
  int items_at_event = 0;
  MainWindow* created = nullptr;
  auto window = std::make_unique<MainWindow>(MainWindowSetup{
      [&] {
        ++runs;
        // The window is not reachable yet from here but through the top-level list.
        for (QWidget* top : QApplication::topLevelWidgets()) {
          if (auto* w = dynamic_cast<MainWindow*>(top); w != nullptr && !w->isVisible()) {
            created = w;
            shown_at_event = w->isVisible();
            items_at_event = w->ProvinceCombo()->count();
          }
        }
      },
      Text(kDeadEndpoint), 5000});
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(created, window.get());
  EXPECT_FALSE(shown_at_event);
  EXPECT_EQ(items_at_event, 31);
}

}  // namespace
}  // namespace vq::testing
