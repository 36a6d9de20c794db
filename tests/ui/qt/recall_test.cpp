// A left click in the history list puts the row back into the inputs; nothing else does.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/qt/window_test_support.h"

namespace vq::testing {
namespace {

struct Row {
  std::u8string_view province;
  std::u8string_view plate;
};

void AddRows(MainWindow& window, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    window.History()->addTopLevelItem(
        new QTreeWidgetItem(QStringList{Shown(row.province), Shown(row.plate)}));
  }
}

QPoint CentreOfRow(const MainWindow& window, int row) {
  return window.History()->visualItemRect(window.History()->topLevelItem(row)).center();
}

QPoint BelowTheRows(const MainWindow& window) {
  const QWidget* viewport = window.History()->viewport();
  return {viewport->width() / 2, viewport->height() - 4};
}

void TypeInputs(MainWindow& window, int province, std::u8string_view plate) {
  window.ProvinceCombo()->setCurrentIndex(province);
  window.PlateEdit()->setText(Shown(plate));
}

TEST(Recall, AClickOnARowRestoresItsProvinceAndPlate) {
  struct Case {
    const char* name;
    Row row;
    int province;  // expected selection of 组合框1
  };
  const std::vector<Case> cases = {
      {"an abbreviation of the table", {u8"京", u8"A12345"}, 1},
      {"the last abbreviation", {u8"川", u8"B67890"}, 30},
      {"an empty province", {u8"", u8"C11111"}, 0},
      {"a character outside the table", {u8"港", u8"D22222"}, -1},
      {"an empty plate", {u8"粤", u8""}, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = OpenWindow();
    AddRows(*window, {{u8"沪", u8"Z99999"}, c.row});
    TypeInputs(*window, 5, u8"typed");
    QTest::mouseClick(window->History()->viewport(), Qt::LeftButton, {}, CentreOfRow(*window, 1));
    EXPECT_EQ(window->ProvinceCombo()->currentIndex(), c.province);
    EXPECT_EQ(window->PlateEdit()->text(), Shown(c.row.plate));
    EXPECT_EQ(window->History()->topLevelItemCount(), 2);
    EXPECT_EQ(window->Ops()->SelectedHistoryRow(), 1) << "the clicked row stays selected";
  }
}

TEST(Recall, AClickOnAnEmptyListGivesTheFirstProvinceAndAnEmptyPlate) {
  auto window = OpenWindow();
  TypeInputs(*window, 30, u8"B67890");
  QTest::mouseClick(window->History()->viewport(), Qt::LeftButton, {}, BelowTheRows(*window));
  EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 0);
  EXPECT_TRUE(window->PlateEdit()->text().isEmpty());
}

TEST(Recall, AClickBelowTheRowsClearsTheSelectionFirst) {
  auto window = OpenWindow();
  AddRows(*window, {{u8"京", u8"A12345"}, {u8"川", u8"B67890"}});
  QTest::mouseClick(window->History()->viewport(), Qt::LeftButton, {}, CentreOfRow(*window, 0));
  ASSERT_EQ(window->ProvinceCombo()->currentIndex(), 1);
  QTest::mouseClick(window->History()->viewport(), Qt::LeftButton, {}, BelowTheRows(*window));
  EXPECT_TRUE(window->History()->selectedItems().isEmpty());
  EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 0);
  EXPECT_TRUE(window->PlateEdit()->text().isEmpty());
  EXPECT_EQ(window->History()->topLevelItemCount(), 2);
}

TEST(Recall, ClickingTheSameRowTwiceGivesTheSameInputs) {
  auto window = OpenWindow();
  AddRows(*window, {{u8"京", u8"A12345"}});
  for (int i = 0; i < 2; ++i) {
    TypeInputs(*window, 7, u8"other");
    QTest::mouseClick(window->History()->viewport(), Qt::LeftButton, {}, CentreOfRow(*window, 0));
    EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 1);
    EXPECT_EQ(window->PlateEdit()->text(), QString("A12345"));
  }
  EXPECT_EQ(window->History()->topLevelItemCount(), 1);
}

TEST(Recall, RightClicksKeysAndTheResultListRecallNothing) {
  auto window = OpenWindow();
  AddRows(*window, {{u8"京", u8"A12345"}, {u8"川", u8"B67890"}});
  window->Results()->addTopLevelItem(
      new QTreeWidgetItem(QStringList{Shown(u8"京A12345 共有 3 条违章")}));
  TypeInputs(*window, 5, u8"typed");

  QTest::mouseClick(window->History()->viewport(), Qt::RightButton, {}, CentreOfRow(*window, 1));
  window->History()->setFocus();
  QTest::keyClick(window->History(), Qt::Key_Down);
  QTest::keyClick(window->History(), Qt::Key_Up);
  const QPoint result =
      window->Results()->visualItemRect(window->Results()->topLevelItem(0)).center();
  QTest::mouseClick(window->Results()->viewport(), Qt::LeftButton, {}, result);

  EXPECT_EQ(window->ProvinceCombo()->currentIndex(), 5);
  EXPECT_EQ(window->PlateEdit()->text(), QString("typed"));
}

}  // namespace
}  // namespace vq::testing
