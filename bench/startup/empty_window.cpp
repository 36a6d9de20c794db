// The baseline of the start-up benchmark: the least a Qt Widgets program does to show one window
// like the program's (same window flags and size), then run until it is asked to close.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  window.setWindowTitle(QStringLiteral("startup-baseline"));
  window.setFixedSize(383, 241);
  window.show();
  return QApplication::exec();
}
