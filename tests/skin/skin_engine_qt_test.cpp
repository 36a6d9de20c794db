// The real engine dressing a Qt application on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "skin/engine/skin_reader.h"
#include "skin/skin_setup.h"
#include "tests/skin/engine_loader.h"

namespace vq {
namespace {

QColor ToQColor(skin::Colour c) {
  return QColor(c.red, c.green, c.blue);
}

class QtEngine : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "skin_engine_qt_test";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete application_;
    application_ = nullptr;
  }
  static QApplication* application_;
};
QApplication* QtEngine::application_ = nullptr;

// How far apart two colours are, channel by channel.
int Distance(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
         std::abs(a.blue() - b.blue());
}

TEST_F(QtEngine, Skin33SetsThePaletteAndTheStyleSheet) {
  ASSERT_NE(test::RealEngine(), nullptr);
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const skin::Skin skin = test::StoredSkinRead(kAppliedSkin);
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(palette.color(QPalette::Active, QPalette::Highlight), ToQColor(skin.selection));
  EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), ToQColor(skin.window_text));
  EXPECT_EQ(palette.color(QPalette::Active, QPalette::Base), ToQColor(skin.field));
  EXPECT_TRUE(application_->styleSheet().contains(QStringLiteral("QPushButton")));
  EXPECT_TRUE(application_->styleSheet().contains(QStringLiteral("QHeaderView::section")));
}

TEST_F(QtEngine, AWindowShowsTheSkinsBackgroundAndItsListsAlternate) {
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const skin::Skin skin = test::StoredSkinRead(kAppliedSkin);
  QWidget window;
  window.resize(300, 200);
  auto* list = new QTreeWidget(&window);
  list->setGeometry(150, 40, 140, 150);
  auto* button = new QPushButton(QStringLiteral("查询"), &window);
  button->setGeometry(10, 10, 60, 24);
  window.show();
  const QImage picture = window.grab().toImage();
  // Near the top the gradient starts at the skin's top colour (a faint picture may lie over it).
  EXPECT_LT(Distance(picture.pixelColor(2, 1), ToQColor(skin.window.top)), 40);
  EXPECT_LT(Distance(picture.pixelColor(2, 198), ToQColor(skin.window.bottom)), 40);
  // The button face is the skin's, not the platform's grey.
  const QColor face = picture.pixelColor(40, 22);
  EXPECT_LT(std::min(Distance(face, ToQColor(skin.button.top)),
                     Distance(face, ToQColor(skin.button.bottom))),
            Distance(face, QColor(0xef, 0xef, 0xef)));
  EXPECT_TRUE(list->alternatingRowColors());
}

TEST_F(QtEngine, BytesItCannotReadChangeNothing) {
  ASSERT_EQ(test::AttachStored(kAppliedSkin), 1);
  const QString sheet = application_->styleSheet();
  const QColor highlight = QApplication::palette().color(QPalette::Highlight);
  const std::string garbage = ".SHE 9\nselection = #000000\n";
  EXPECT_EQ(test::RealEngine()(reinterpret_cast<const unsigned char*>(garbage.data()),
                               static_cast<int>(garbage.size()), "", 0, 0, 0),
            0);
  EXPECT_EQ(test::RealEngine()(nullptr, 0, "", 0, 0, 0), 0);
  EXPECT_EQ(application_->styleSheet(), sheet);
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), highlight);
}

TEST_F(QtEngine, EverySkinAttachesAndTheLastOneWins) {
  for (int number = 1; number <= kSkinCount; ++number) {
    ASSERT_EQ(test::AttachStored(number), 1) << "skin " << number;
    EXPECT_EQ(QApplication::palette().color(QPalette::Active, QPalette::Highlight),
              ToQColor(test::StoredSkinRead(number).selection))
        << "skin " << number;
  }
  // One painter of the window background at a time, however often a skin is attached.
  EXPECT_EQ(
      application_
          ->findChildren<QObject*>(QStringLiteral("vq-skin-painter"), Qt::FindDirectChildrenOnly)
          .size(),
      1);
}

TEST_F(QtEngine, AttachesNothingFromAnotherThread) {
  ASSERT_EQ(test::AttachStored(1), 1);
  int from_thread = -1;
  std::thread other([&] { from_thread = test::AttachStored(kAppliedSkin); });
  other.join();
  EXPECT_EQ(from_thread, 0);
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight),
            ToQColor(test::StoredSkinRead(1).selection));
}

}  // namespace
}  // namespace vq
