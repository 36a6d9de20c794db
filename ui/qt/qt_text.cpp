#include "ui/qt/qt_text.h"

#include "text/gbk_utf8.h"

namespace vq {

QString ToQString(const Text& gbk) {
  return QString::fromStdString(GbkToUtf8(gbk));
}

Text ToText(const QString& shown) {
  return Utf8ToGbk(shown.toStdString());
}

}  // namespace vq
