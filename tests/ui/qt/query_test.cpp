// Queries from the button to the lists, against a query service on loopback.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include <map>
#include <vector>

#include "tests/ui/answer_server.h"
#include "tests/ui/qt/window_test_support.h"

namespace vq::testing {
namespace {

class Query : public ::testing::Test {
 protected:
  // Sets the inputs and clicks 按钮1. The worker reads the inputs when this thread next runs its
  // events, so a test waits for the form before it changes them again.
  void Ask(int province, const char* plate) {
    window_->ProvinceCombo()->setCurrentIndex(province);
    window_->PlateEdit()->setText(plate);
    QTest::mouseClick(window_->QueryButton(), Qt::LeftButton);
  }
  QStringList Results() const {
    QStringList lines;
    for (int i = 0; i < window_->Results()->topLevelItemCount(); ++i) {
      lines << window_->Results()->topLevelItem(i)->text(0);
    }
    return lines;
  }
  QStringList History() const {
    QStringList cells;
    for (int i = 0; i < window_->History()->topLevelItemCount(); ++i) {
      cells << window_->History()->topLevelItem(i)->text(0)
            << window_->History()->topLevelItem(i)->text(1);
    }
    return cells;
  }
  // The worker appends the row, then fills its cells: wait for the last cell.
  bool WaitForHistoryRows(int count) const {
    return RunUntil([&] {
      const QTreeWidget* list = window_->History();
      return list->topLevelItemCount() == count &&
             !list->topLevelItem(count - 1)->text(1).isEmpty();
    });
  }
  // The worker needs this thread to read the inputs before it sends anything, so the event loop
  // keeps running while the forms are awaited.
  bool WaitForForms(std::size_t count) {
    return RunUntil([&] { return server_.Bodies().size() >= count; });
  }
  static std::vector<QMessageBox*> Boxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top); box != nullptr && box->isVisible()) {
        boxes.push_back(box);
      }
    }
    return boxes;
  }

  AnswerServer server_{ByPlate};
  std::unique_ptr<MainWindow> window_ = OpenWindow(server_.Endpoint());
};

TEST_F(Query, ACountAddsTheResultLineAndTheHistoryRow) {
  Ask(1, "A12343");
  ASSERT_TRUE(WaitForHistoryRows(1));
  EXPECT_EQ(Results(), QStringList{Shown(u8"京A12343 共有 3 条违章")});
  EXPECT_EQ(History(), (QStringList{Shown(u8"京"), "A12343"}));
  ASSERT_EQ(server_.Bodies().size(), 1u);
  EXPECT_EQ(AnswerServer::FieldOf(server_.Bodies()[0], "provice"), "%BE%A9");
  EXPECT_EQ(AnswerServer::FieldOf(server_.Bodies()[0], "txtVehicleNo"), "A12343");
  EXPECT_TRUE(window_->History()->selectedItems().isEmpty()) << "a new row is not selected";
}

TEST_F(Query, AnEmptyCountStillAddsBoth) {
  Ask(1, "E12345");
  ASSERT_TRUE(WaitForHistoryRows(1));
  EXPECT_EQ(Results(), QStringList{Shown(u8"京E12345 共有  条违章")});
  EXPECT_EQ(History(), (QStringList{Shown(u8"京"), "E12345"}));
}

TEST_F(Query, TheRateLimitShowsItsOwnModelessBoxPerQueryAndChangesNoList) {
  Ask(30, "R1");
  ASSERT_TRUE(WaitForForms(1));
  Ask(30, "R2");
  ASSERT_TRUE(RunUntil([&] { return Boxes().size() == 2; }));
  for (QMessageBox* box : Boxes()) {
    EXPECT_EQ(box->text(), Shown(u8"请于 30 秒之后再次查询！"));
    EXPECT_EQ(box->windowTitle(), Shown(u8"提示"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(box->parentWidget(), nullptr);
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window stays usable";
  Ask(1, "A3");  // and does: another query goes through while the boxes are open
  ASSERT_TRUE(RunUntil([&] { return window_->Results()->topLevelItemCount() == 1; }));
  EXPECT_EQ(Results(), QStringList{Shown(u8"京A3 共有 3 条违章")});
  for (QMessageBox* box : Boxes()) box->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(RunUntil([&] { return Boxes().empty(); }));
  EXPECT_TRUE(WaitForHistoryRows(1));
}

TEST_F(Query, AnUnusablePageOrNoServiceChangesNothing) {
  Ask(1, "N1");
  ASSERT_TRUE(WaitForForms(1));
  auto silent = OpenWindow(kDeadEndpoint);
  silent->PlateEdit()->setText("A1");
  QTest::mouseClick(silent->QueryButton(), Qt::LeftButton);
  Ask(1, "A2");  // answered after the unusable page was sent
  ASSERT_TRUE(RunUntil([&] { return window_->Results()->topLevelItemCount() == 1; }));
  RunFor(300);
  EXPECT_EQ(Results(), QStringList{Shown(u8"京A2 共有 2 条违章")});
  EXPECT_EQ(silent->Results()->topLevelItemCount(), 0);
  EXPECT_EQ(silent->History()->topLevelItemCount(), 0);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Query, OverlappingQueriesAreShownInTheOrderTheirAnswersArrive) {
  Ask(1, "H1");
  ASSERT_TRUE(WaitForForms(1));
  Ask(30, "A2");
  ASSERT_TRUE(WaitForHistoryRows(1));  // the second query is wholly shown before the first ends
  server_.Let("H1");
  ASSERT_TRUE(WaitForHistoryRows(2));
  EXPECT_EQ(Results(), (QStringList{Shown(u8"川A2 共有 2 条违章"), Shown(u8"京H1 共有 1 条违章")}));
  EXPECT_EQ(History(), (QStringList{Shown(u8"川"), "A2", Shown(u8"京"), "H1"}));
}

TEST_F(Query, TheResultNamesWhatWasQueriedWhenTheInputsChangeMeanwhile) {
  Ask(1, "H12345");
  ASSERT_TRUE(WaitForForms(1));
  window_->ProvinceCombo()->setCurrentIndex(30);
  window_->PlateEdit()->setText("B67890");
  server_.Let("H12345");
  ASSERT_TRUE(WaitForHistoryRows(1));
  EXPECT_EQ(Results(), QStringList{Shown(u8"京H12345 共有 5 条违章")});
  EXPECT_EQ(History(), (QStringList{Shown(u8"京"), "H12345"}));
  EXPECT_EQ(window_->PlateEdit()->text(), QString("B67890"));
}

TEST_F(Query, ClosingTheWindowWhileQueriesWaitShowsNoneOfTheirResults) {
  Ask(1, "H1");
  ASSERT_TRUE(WaitForForms(1));
  Ask(1, "R2");
  ASSERT_TRUE(WaitForForms(2));
  Ask(1, "H3");
  ASSERT_TRUE(WaitForForms(3));
  ASSERT_TRUE(RunUntil([&] { return Boxes().size() == 1; }));
  bool torn_down = false;
  window_->SetOnTornDown([&] { torn_down = true; });
  window_->close();  // returns without waiting for any worker
  EXPECT_TRUE(torn_down);
  server_.Let("H1");
  server_.Let("H3");
  RunFor(500);
  EXPECT_EQ(window_->Results()->topLevelItemCount(), 0);
  EXPECT_EQ(window_->History()->topLevelItemCount(), 0);
  for (QMessageBox* box : Boxes()) box->close();
  EXPECT_TRUE(RunUntil([&] { return Boxes().empty(); }));
}

}  // namespace
}  // namespace vq::testing
