#include "ui/qt/main_window.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <initializer_list>

#include "query/provinces.h"
#include "ui/history_recall.h"
#include "ui/main_window_layout.h"
#include "ui/qt/hidden_selection.h"
#include "ui/qt/information_box.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_ops.h"
#include "ui/window_texts.h"

namespace vq {
namespace {

// The height of the platform's sunken edge around the plate box, on each side.
constexpr int kEdgeHeight = 2;

void Place(QWidget* control, const ControlPlacement& at) {
  control->setGeometry(at.left, at.top, at.width, at.height);
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128}) {
    icon.addFile(QStringLiteral(":/icon/default_icon_%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup) : QWidget(nullptr) {
  // A fixed frame with the window menu, minimise and close buttons, and no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(WindowTitle()));
  setWindowIcon(ProgramIcon());
  // Qt sizes the client area. Until the window system reports its frame, the frame counts as
  // none (as under a display without a window manager) and the client takes the whole outer
  // size; FitOuterSize() shrinks it by the frame once one is known.
  setFixedSize(kWindowOuterWidth, kWindowOuterHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize full = screen->geometry().size();  // the whole screen, panels included
    const WindowOrigin origin = CentredWindowOrigin(full.width(), full.height());
    move(origin.left, origin.top);  // places the frame's top left corner
  }

  CreateControls();
  SetUpKeyboard();

  gate_ = std::make_shared<WindowGate>(this);
  ops_ = std::make_shared<QtMainWindowOps>(gate_,
                                           WindowControls{province_, plate_, history_, results_});
  workers_ = std::make_unique<QueryWorkers>(QueryWorkerSetup{
      ops_, MakeInformationBox(gate_), std::move(setup.endpoint), setup.timeout_ms});
  connect(query_, &QPushButton::clicked, this, [this] { workers_->StartQuery(); });
  history_->SetOnLeftClick([this] { RecallHistoryRow(*ops_); });

  if (setup.on_created) setup.on_created();
}

MainWindow::~MainWindow() {
  TearDown();
}

void MainWindow::CreateControls() {
  // Created in the stacking order, the first on top (raised last below).
  results_ = new ReportList({{ToQString(ResultColumn()), kResultColumnWidth}}, this);
  history_ = new HistoryList({{ToQString(HistoryRegionColumn()), kHistoryRegionColumnWidth},
                              {ToQString(HistoryPlateColumn()), kHistoryPlateColumnWidth}},
                             this);
  plate_label_ = new QLabel(ToQString(PlateLabel()), this);
  plate_ = new QLineEdit(this);
  province_label_ = new QLabel(ToQString(ProvinceLabel()), this);
  province_ = new QComboBox(this);
  query_ = new QPushButton(ToQString(QueryButtonCaption()), this);

  for (QLabel* label : {plate_label_, province_label_}) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
  }

  QFont plate_font = plate_->font();
  plate_font.setPixelSize(kPlateFontHeight);
  plate_font.setWeight(QFont::Normal);
  plate_->setFont(plate_font);
  plate_->setAlignment(Qt::AlignCenter);
  HideSelectionWithoutFocus(plate_);

  for (int i = 0; i < kProvinceCount; ++i) province_->addItem(ToQString(ProvinceAbbreviation(i)));
  province_->setEditable(false);
  province_->setCurrentIndex(0);
  // The dropped list fits in the height the box is created with, below the box itself.
  const int item_height = province_->fontMetrics().height() + 1;
  province_->setMaxVisibleItems(
      std::max(1, (kProvinceComboCreatedHeight - kProvinceCombo.height) / item_height));

  query_->setAutoDefault(false);
  query_->setDefault(false);

  Place(results_, kResultList);
  Place(history_, kHistoryList);
  Place(plate_label_, kPlateLabel);
  Place(plate_, kPlateEdit);
  Place(province_label_, kProvinceLabel);
  Place(province_, kProvinceCombo);
  Place(query_, kQueryButton);
  // Never shorter than one line of its font between its edges.
  const int least_plate_height = QFontMetrics(plate_font).height() + 2 * kEdgeHeight;
  if (plate_->height() < least_plate_height) {
    plate_->resize(plate_->width(), least_plate_height);
  }

  const std::initializer_list<QWidget*> bottom_up = {
      query_, province_, province_label_, plate_, plate_label_, history_, results_};
  for (QWidget* control : bottom_up) control->raise();  // 超级列表框2 ends on top
}

void MainWindow::SetUpKeyboard() {
  setTabOrder(query_, province_);
  setTabOrder(province_, plate_);
  setTabOrder(plate_, history_);
  setTabOrder(history_, results_);
  // The first activation focuses 按钮1; later activations restore the focus Qt remembered.
  query_->setFocus(Qt::OtherFocusReason);
  // Esc closes the window whatever control has the focus.
  for (QObject* watched : children()) watched->installEventFilter(this);
  installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    if (key->key() == Qt::Key_Escape && (key->modifiers() & chords) == 0) {
      close();
      return true;  // the control never sees it
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window system adds its frame when it maps the window; measure it once that is done.
  QTimer::singleShot(0, this, [this] { FitOuterSize(); });
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // A window manager that frames the window late reports it with a move.
  FitOuterSize();
}

void MainWindow::FitOuterSize() {
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize client(kWindowOuterWidth - frame.width(), kWindowOuterHeight - frame.height());
  if (client != size()) setFixedSize(client);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  TearDown();  // a close is never refused
  event->accept();
}

void MainWindow::TearDown() {
  if (torn_down_) return;
  torn_down_ = true;
  // Workers find the window gone from here on; any of them waiting for it is released.
  gate_->Close();
  workers_->StopLast();
  if (on_torn_down_) on_torn_down_();
}

}  // namespace vq
