#pragma once
// The main window of the desktop program. It draws the core's form state and forwards
// widget events to core handlers.

#include <QLabel>
#include <QMainWindow>
#include <memory>
#include <string>

#include "app/main_window_state.h"
#include "app/qt/qt_user_interface.h"
#include "options/settings_store.h"

namespace wattora {

class Fan : public QMainWindow {
  Q_OBJECT

 public:
  explicit Fan(QWidget* parent = nullptr);
  ~Fan() override;

  MainWindowState& State() { return *state_; }
  // Opens an analysis named on the command line.
  void OpenFromCommandLine(const std::string& path);

 private:
  void ShowState();

  QtUserInterface ui_;
  std::unique_ptr<MainWindowState> state_;
  std::unique_ptr<SettingsStore> mainWindowStore_;
  QLabel* summary_ = nullptr;
};

}  // namespace wattora
