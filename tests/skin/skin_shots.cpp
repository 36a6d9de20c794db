// Pictures of the Linux main window under each skin: the real window (vq_qt_window), dressed
// through the real setup and engine, grabbed on the offscreen platform.
//   skin_shots OUTPUT_DIR [NUMBER...]   (all 33 when no number is given)
// Writes OUTPUT_DIR/skin-NN.png for each skin.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "skin/skin_setup.h"
#include "text/gbk_utf8.h"
#include "text/text_ops.h"
#include "ui/qt/main_window.h"

namespace {

// A few rows, so the lists show how rows and headers look.
void FillRows(vq::MainWindowOps& ops) {
  const struct {
    const char* province;
    const char* plate;
    const char* result;
  } rows[] = {{"京", "A12345", "京A12345 共有 3 条违章"},
              {"川", "B67890", "川B67890 共有 0 条违章"},
              {"粤", "C24680", "粤C24680 共有 12 条违章"}};
  for (const auto& row : rows) {
    const int index = ops.AppendHistoryRow();
    ops.SetHistoryCell(index, 0, vq::Utf8ToGbk(row.province));
    ops.SetHistoryCell(index, 1, vq::Utf8ToGbk(row.plate));
    ops.AppendResultItem(vq::Utf8ToGbk(row.result));
  }
  ops.SetPlateText(vq::Utf8ToGbk("A12345"));
}

bool Shoot(int number, const QString& folder) {
  auto* window = new vq::MainWindow({[number] { vq::ApplySkin(number); }, "http://127.0.0.1:9/"});
  FillRows(*window->Ops());
  window->show();
  QApplication::processEvents();
  const QString file = QStringLiteral("%1/skin-%2.png").arg(folder).arg(number, 2, 10, QChar('0'));
  const bool saved = window->grab().save(file);
  window->close();
  QApplication::processEvents();
  delete window;
  std::printf("%s %s\n", saved ? "wrote" : "could not write", file.toUtf8().constData());
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_shots OUTPUT_DIR [NUMBER...]\n");
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The setup never replaces an engine file it finds; this tool always shows the engine just built.
  std::error_code ignored;
  std::filesystem::remove(std::string(vq::TextJoin({vq::RunDirectory(), vq::PathSeparator(),
                                                    vq::SkinEngineLibraryName()})
                                          .View()),
                          ignored);
  QApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  std::vector<int> numbers;
  for (int i = 2; i < argc; ++i) numbers.push_back(std::atoi(argv[i]));
  if (numbers.empty()) {
    for (int n = 1; n <= vq::kSkinCount; ++n) numbers.push_back(n);
  }
  bool all_saved = true;
  for (int number : numbers) all_saved = Shoot(number, folder) && all_saved;
  return all_saved ? 0 : 1;
}
