#include "app/qt/Fan.h"

#include <QLabel>

namespace wattora {

Fan::Fan(QWidget* parent)
    : QMainWindow(parent), ui_(this), state_(std::make_unique<MainWindowState>(ui_)) {
  CreateMainWindow(*state_);
  setWindowTitle(QString::fromUtf8("KRA\u00AE Wattora"));
  auto* welcome = new QLabel(QStringLiteral("Wattora"), this);
  welcome->setAlignment(Qt::AlignCenter);
  setCentralWidget(welcome);
  resize(1024, 700);
}

Fan::~Fan() = default;

}  // namespace wattora
