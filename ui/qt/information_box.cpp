#include "ui/qt/information_box.h"

#include <QMessageBox>

#include <utility>

#include "ui/qt/qt_text.h"

namespace vq {

InformationBox MakeInformationBox(std::shared_ptr<WindowGate> gate) {
  return [gate = std::move(gate)](const Text& text, const Text& title) {
    auto closed = std::make_shared<Waiter>();
    if (!gate->Register(closed)) return;
    const bool shown = gate->Call<bool>([closed, text, title] {
      auto* box =
          new QMessageBox(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok);
      box->setAttribute(Qt::WA_DeleteOnClose);
      // The box never keeps the program running once the main window is closed.
      box->setAttribute(Qt::WA_QuitOnClose, false);
      box->setWindowModality(Qt::NonModal);
      QObject::connect(box, &QObject::destroyed, [closed] { closed->Release(); });
      box->show();
      return true;
    });
    if (shown) closed->Wait();
  };
}

}  // namespace vq
