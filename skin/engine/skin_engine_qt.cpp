// The engine on Linux: dresses the running Qt application (palette, style sheet, font and a
// painted window background). Without a QApplication, or off its thread, it does nothing.
#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include "skin/engine/skin_attach.h"
#include "skin/engine/skin_reader.h"

namespace {

using vq::skin::Colour;
using vq::skin::Gradient;
using vq::skin::Pattern;
using vq::skin::Skin;

QColor ToQColor(Colour c) {
  return QColor(c.red, c.green, c.blue, c.alpha);
}

QString Css(Colour c) {
  return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.red).arg(c.green).arg(c.blue).arg(c.alpha);
}

QString CssGradient(const Gradient& g) {
  return QStringLiteral("qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 %1,stop:1 %2)")
      .arg(Css(g.top), Css(g.bottom));
}

Colour Middle(const Gradient& g) {
  Colour half = g.top;
  half.alpha = 128;
  return vq::skin::Blend(half, g.bottom);
}

// Draws the computed picture of the skin over a window's background.
void PaintPattern(QPainter& painter, const Skin& skin, QSize size) {
  if (skin.pattern == Pattern::kNone || skin.pattern_colour.alpha == 0) return;
  const int step = skin.pattern_spacing;
  painter.setPen(QPen(ToQColor(skin.pattern_colour), 1));
  painter.setBrush(ToQColor(skin.pattern_colour));
  switch (skin.pattern) {
    case Pattern::kStripes:
      for (int x = -size.height(); x < size.width(); x += step) {
        painter.drawLine(x, size.height(), x + size.height(), 0);
      }
      break;
    case Pattern::kDots:
      painter.setPen(Qt::NoPen);
      for (int y = step / 2; y < size.height(); y += step) {
        for (int x = ((y / step) % 2) * step / 2; x < size.width(); x += step) {
          painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
        }
      }
      break;
    case Pattern::kGrid:
      for (int x = 0; x < size.width(); x += step) painter.drawLine(x, 0, x, size.height());
      for (int y = 0; y < size.height(); y += step) painter.drawLine(0, y, size.width(), y);
      break;
    case Pattern::kWaves: {
      painter.setBrush(Qt::NoBrush);
      painter.setRenderHint(QPainter::Antialiasing);
      for (int y = step; y < size.height() + step; y += step) {
        QPainterPath wave(QPointF(0, y));
        for (int x = 0; x < size.width(); x += 4 * step) {
          wave.cubicTo(x + step, y - step / 2.0, x + step, y + step / 2.0, x + 2 * step, y);
          wave.cubicTo(x + 3 * step, y - step / 2.0, x + 3 * step, y + step / 2.0, x + 4 * step, y);
        }
        painter.drawPath(wave);
      }
      break;
    }
    case Pattern::kNone:
      break;
  }
}

// The drop-down arrow as a small picture: style sheets take arrows only as image files.
QString WriteArrowPicture(const QTemporaryDir& folder, const Skin& skin) {
  QImage arrow(18, 18, QImage::Format_ARGB32_Premultiplied);
  arrow.fill(Qt::transparent);
  QPainter painter(&arrow);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(skin.button_text));
  const QPointF corners[3] = {{3, 6}, {15, 6}, {9, 13}};
  painter.drawPolygon(corners, 3);
  painter.end();
  const QString path = folder.filePath(QStringLiteral("arrow.png"));
  return arrow.save(path) ? path : QString();
}

QPixmap WindowBackground(const Skin& skin, QSize size) {
  QPixmap picture(size);
  QPainter painter(&picture);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, ToQColor(skin.window.top));
  gradient.setColorAt(1, ToQColor(skin.window.bottom));
  painter.fillRect(QRect(QPoint(0, 0), size), gradient);
  PaintPattern(painter, skin, size);
  return picture;
}

// Paints the skin's background under every top-level window and turns on alternating rows in
// item views. Owned by the application; replaced when another skin is attached.
class SkinPainter : public QObject {
 public:
  SkinPainter(const Skin& skin, QObject* parent) : QObject(parent), skin_(skin) {
    setObjectName(QStringLiteral("vq-skin-painter"));
  }

  // Where the skin's pictures for the style sheet live, as long as this painter does.
  [[nodiscard]] const QTemporaryDir& Pictures() const { return pictures_; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    if (event->type() == QEvent::Paint && widget->isWindow() && IsPlainWindow(widget)) {
      QPainter painter(widget);
      painter.drawPixmap(0, 0, Background(widget->size()));
    } else if (event->type() == QEvent::Polish) {
      if (auto* view = qobject_cast<QAbstractItemView*>(widget);
          view != nullptr && skin_.list_alternate != skin_.list) {
        view->setAlternatingRowColors(true);
      }
    }
    return false;
  }

  void Refresh(const QList<QWidget*>& widgets) {
    for (QWidget* widget : widgets) {
      if (auto* view = qobject_cast<QAbstractItemView*>(widget);
          view != nullptr && skin_.list_alternate != skin_.list) {
        view->setAlternatingRowColors(true);
      }
      widget->update();
    }
  }

 private:
  // Menus, tool tips and pop-up lists keep their own look.
  static bool IsPlainWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
  }

  const QPixmap& Background(QSize size) {
    const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
    auto found = backgrounds_.find(key);
    if (found == backgrounds_.end()) {
      // A few sizes at a time: a window being resized would otherwise leave one per step.
      if (backgrounds_.size() >= kKeptBackgrounds) backgrounds_.clear();
      found = backgrounds_.insert(key, WindowBackground(skin_, size));
    }
    return *found;
  }

  static constexpr qsizetype kKeptBackgrounds = 8;

  Skin skin_;
  QHash<quint64, QPixmap> backgrounds_;
  QTemporaryDir pictures_;
};

QPalette SkinPalette(const Skin& skin) {
  QPalette palette;
  const QColor window = ToQColor(Middle(skin.window));
  const QColor button = ToQColor(Middle(skin.button));
  const auto set_both = [&](QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
  };
  set_both(QPalette::Window, window);
  set_both(QPalette::WindowText, ToQColor(skin.window_text));
  set_both(QPalette::Base, ToQColor(skin.field));
  set_both(QPalette::AlternateBase, ToQColor(skin.list_alternate));
  set_both(QPalette::Text, ToQColor(skin.field_text));
  set_both(QPalette::Button, button);
  set_both(QPalette::ButtonText, ToQColor(skin.button_text));
  set_both(QPalette::Highlight, ToQColor(skin.selection));
  set_both(QPalette::HighlightedText, ToQColor(skin.selection_text));
  set_both(QPalette::ToolTipBase, ToQColor(skin.field));
  set_both(QPalette::ToolTipText, ToQColor(skin.field_text));
  set_both(QPalette::Light, button.lighter(150));
  set_both(QPalette::Midlight, button.lighter(125));
  set_both(QPalette::Mid, button.darker(130));
  set_both(QPalette::Dark, button.darker(160));
  set_both(QPalette::Shadow, button.darker(220));
  set_both(QPalette::PlaceholderText, ToQColor(skin.field_border));
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
  }
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, ToQColor(skin.field_border));
  }
  return palette;
}

QString SkinStyleSheet(const Skin& skin, const QString& arrow_picture) {
  const QString radius = QString::number(skin.radius);
  QString sheet;
  sheet += QStringLiteral("QLabel{color:%1;background:transparent;}").arg(Css(skin.window_text));
  sheet +=
      QStringLiteral(
          "QPushButton{color:%1;background:%2;border:1px solid %3;border-radius:%4px;"
          "padding:2px 8px;}"
          "QPushButton:hover{background:%5;}"
          "QPushButton:pressed{background:%6;}"
          "QPushButton:focus{border-color:%7;}")
          .arg(Css(skin.button_text), CssGradient(skin.button), Css(skin.button_border), radius,
               CssGradient(skin.button_hover), CssGradient(skin.button_pressed), Css(skin.focus));
  sheet += QStringLiteral(
               "QLineEdit,QComboBox{color:%1;background:%2;border:1px solid %3;"
               "border-radius:%4px;padding:0px 2px;selection-background-color:%5;"
               "selection-color:%6;}"
               "QLineEdit:focus,QComboBox:focus{border-color:%7;}"
               "QComboBox::drop-down{subcontrol-origin:padding;subcontrol-position:top right;"
               "width:16px;border-left:1px solid %3;background:%8;}")
               .arg(Css(skin.field_text), Css(skin.field), Css(skin.field_border), radius,
                    Css(skin.selection), Css(skin.selection_text), Css(skin.focus),
                    CssGradient(skin.button));
  if (!arrow_picture.isEmpty()) {
    sheet += QStringLiteral("QComboBox::down-arrow{image:url(%1);width:9px;height:9px;}")
                 .arg(arrow_picture);
  }
  sheet += QStringLiteral(
               "QAbstractItemView{color:%1;background:%2;alternate-background-color:%3;"
               "border:1px solid %4;selection-background-color:%5;selection-color:%6;}")
               .arg(Css(skin.list_text), Css(skin.list), Css(skin.list_alternate),
                    Css(skin.field_border), Css(skin.selection), Css(skin.selection_text));
  sheet += QStringLiteral(
               "QHeaderView{background:%1;}"
               "QHeaderView::section{color:%2;background:%1;border:none;"
               "border-right:1px solid %3;border-bottom:1px solid %3;padding:2px 4px;}")
               .arg(CssGradient(skin.header), Css(skin.header_text), Css(skin.header_border));
  return sheet;
}

void AttachToApplication(QApplication& application, const Skin& skin) {
  // One predictable base under the style sheet, whatever the desktop's own style is.
  if (QStyle* base = QStyleFactory::create(QStringLiteral("Fusion"))) application.setStyle(base);
  QApplication::setPalette(SkinPalette(skin));
  if (!skin.font_family.empty() || skin.font_points > 0) {
    QFont font = QApplication::font();
    if (!skin.font_family.empty()) {
      // The CJK faces behind the skin's face keep Chinese text legible whatever the face holds.
      font.setFamilies({QString::fromLatin1(skin.font_family.c_str()),
                        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    }
    if (skin.font_points > 0) font.setPointSize(skin.font_points);
    QApplication::setFont(font);
  }
  auto* painter = new SkinPainter(skin, &application);
  application.setStyleSheet(SkinStyleSheet(skin, WriteArrowPicture(painter->Pictures(), skin)));
  // The previous skin's painter goes only now: the old style sheet named its pictures.
  for (QObject* old : application.findChildren<QObject*>(QStringLiteral("vq-skin-painter"),
                                                         Qt::FindDirectChildrenOnly)) {
    if (old != painter) delete old;
  }
  application.installEventFilter(painter);
  painter->Refresh(QApplication::allWidgets());
}

}  // namespace

namespace vq::skin {

bool AttachToProgram(const Skin& skin) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr || QThread::currentThread() != application->thread()) return false;
  AttachToApplication(*application, skin);
  return true;
}

}  // namespace vq::skin
