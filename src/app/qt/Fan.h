#pragma once
// The main window of the desktop program. It draws the core's form state and forwards
// widget events to core handlers.

#include <QMainWindow>
#include <memory>

#include "app/main_window_state.h"
#include "app/qt/qt_user_interface.h"

namespace wattora {

class Fan : public QMainWindow {
  Q_OBJECT

 public:
  explicit Fan(QWidget* parent = nullptr);
  ~Fan() override;

  MainWindowState& State() { return *state_; }

 private:
  QtUserInterface ui_;
  std::unique_ptr<MainWindowState> state_;
};

}  // namespace wattora
