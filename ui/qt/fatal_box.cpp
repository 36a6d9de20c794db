#include "ui/qt/fatal_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "ui/qt/qt_text.h"

namespace vq {

void ShowFatalBox(std::string_view gbk_message) {
  const QCoreApplication* app = QCoreApplication::instance();
  if (qobject_cast<const QApplication*>(app) == nullptr) return;
  if (QThread::currentThread() != app->thread()) return;
  QMessageBox::critical(nullptr, QString(), ToQString(Text(gbk_message)));
}

}  // namespace vq
